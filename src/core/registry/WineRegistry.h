// Reading one value from a Wine prefix's registry file (system.reg), the text file in which
// Wine keeps HKEY_LOCAL_MACHINE. The game runs under Wine away from Windows, so its
// installation folder is found there.
#pragma once

#include "core/registry/WindowsNames.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace vornask {

enum class RegistryValueStatus {
    NotFound,  // no such key or value, or a file that is not a readable registry
    String,    // a text value
    WrongType, // present, but a number, binary data or a list of strings
};

struct RegistryValue {
    RegistryValueStatus status = RegistryValueStatus::NotFound;
    std::string text; // UTF-8, when status is String

    bool operator==(const RegistryValue&) const = default;
};

// Looks up `valueName` ("" for the key's default value) of the key `keyPath` in the text of a
// registry file. `keyPath` is relative to the file's root and separated by single
// backslashes, e.g. "Software\\Wine"; key and value names compare as Windows compares them,
// without regard to case. Strings are read as Wine writes them: "\x" and up to four hex
// digits, "\" and up to three octal digits, and C's letter escapes. A file without the
// registry header, a malformed value line, or a line longer than kMaxRegistryLineBytes, reads
// as not found. A key written more than once counts as Wine loads it: the last value wins.
RegistryValue FindWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                    std::string_view valueName);

// Why a registry file gave no answer, or that it was read.
enum class RegistryFileState {
    Read,         // read to the answer; the value may still be absent
    Missing,      // no such file
    Unreadable,   // a read error, or not a regular file (a folder, a pipe, a device)
    TooLarge,     // over kMaxRegistryFileBytes
    NotARegistry, // no registry header: not a file Wine wrote
};

// Real registry files are a few megabytes (a fresh prefix's 1.7 MB with Wine 8); no real prefix's
// comes near this size, and a larger file is not read at all.
constexpr std::uintmax_t kMaxRegistryFileBytes = 64u << 20;

// The longest line read. The game's value is at most 32,767 UTF-16 code units, about 192 KB as
// Wine escapes them; a longer line is no line of the game's key, and only its first
// kMaxRegistryLineBytes are held (it names no key looked for and holds no value).
constexpr std::size_t kMaxRegistryLineBytes = 1u << 20;

struct RegistryFileAnswer {
    RegistryFileState state = RegistryFileState::Read;
    RegistryValue value; // of the first of the keys that holds it; NotFound unless Read

    bool operator==(const RegistryFileAnswer&) const = default;
};

// Looks up `valueName` under each of `keys` in the registry file `file`, preferring the
// earlier keys, and reads only as far as needed: it stops as soon as no later line can change
// the answer. Wine writes each key once, so the first time a key is written is taken. Any
// failure to read the file reads as not found; nothing is thrown, and a pipe or a device
// never blocks the reader.
RegistryFileAnswer FindInWineRegistryFile(const std::filesystem::path& file,
                                          std::span<const std::string_view> keys,
                                          std::string_view valueName);

} // namespace vornask
