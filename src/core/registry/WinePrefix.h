// The game's installation folder as a Wine prefix's registry file holds it (on Linux the game
// runs under Wine). The real Windows registry is read by the UI's platform layer.
#pragma once

#include "core/registry/WineRegistry.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace vornask {

// The longest path Windows knows, in UTF-16 code units.
constexpr std::size_t kMaxWindowsPathLength = 32767;

struct InstallDirLookup {
    enum class Outcome {
        NotFound, // no key or no value: nothing to say to the user
        Found,
        NotText, // present but of another type than text: the windows say so
        Error,   // the registry could not be read; `error` holds the system's reason
    };
    Outcome outcome = Outcome::NotFound;
    std::string installDir; // UTF-8, when found
    std::string error;
    // The Wine prefix the value was read from, which maps its drive letters; empty for the
    // Windows registry and when nothing was found.
    std::filesystem::path winePrefix;

    bool operator==(const InstallDirLookup&) const = default;

    // Found, unless `text` (up to its first NUL) is longer than kMaxWindowsPathLength: then
    // not found.
    static InstallDirLookup Found(std::string text);
    static InstallDirLookup Failed(std::string error);
    // The value exists but is not text.
    static InstallDirLookup NotText() { return {Outcome::NotText, {}, {}, {}}; }
};

// What one prefix's registry file said about the game.
struct PrefixReading {
    RegistryFileState file = RegistryFileState::Read;
    InstallDirLookup lookup; // NotFound unless the file was read

    bool operator==(const PrefixReading&) const = default;
};

// The game's value from the registry file of the Wine prefix `prefix`: the 32-bit view of a
// 64-bit prefix lies under Wow6432Node and is read first; a 32-bit prefix has only the plain
// key, which is also where a 64-bit program would have put it.
PrefixReading ReadInstallDirFromWinePrefix(const std::filesystem::path& prefix);

} // namespace vornask
