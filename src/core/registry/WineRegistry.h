// Reading one value from a Wine prefix's registry file (system.reg), the text file in which
// Wine keeps HKEY_LOCAL_MACHINE. The game runs under Wine away from Windows, so its
// installation folder is found there.
#pragma once

#include <filesystem>
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
// backslashes, e.g. "Software\\Wine"; key and value names compare without regard to case.
// A file without the registry header, or a malformed value line, reads as not found.
RegistryValue FindWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                    std::string_view valueName);

// The text of a registry file; empty (which holds no values) when the file is missing,
// unreadable or not a regular file, so a pipe or a device never blocks the reader.
std::string ReadWineRegistryFile(const std::filesystem::path& file);

// Whether two key, value or file names are the same to Windows, which ignores letter case.
bool SameWindowsName(std::string_view a, std::string_view b);

} // namespace vornask
