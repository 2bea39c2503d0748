// The game's installation folder as the system registry holds it: the real registry on
// Windows, the Wine prefix's registry file elsewhere (the game then runs under Wine).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vornask {

struct InstallDirLookup {
    enum class Outcome {
        NotFound, // no key or no value: nothing to say to the user
        Found,
        Error, // present but unusable, e.g. not text; `error` says why
    };
    Outcome outcome = Outcome::NotFound;
    std::string installDir; // UTF-8, when found
    std::string error;

    bool operator==(const InstallDirLookup&) const = default;
};

// Reads the "InstallDir" value of HKEY_LOCAL_MACHINE\SOFTWARE\Titanic Entertainment\NetStorm
// in the 32-bit view of the registry, which is where the 32-bit game keeps it.
InstallDirLookup ReadInstallDir();

// The same from the registry file of the Wine prefix `prefix`: the 32-bit view of a 64-bit
// prefix lies under Wow6432Node, a 32-bit prefix has none.
InstallDirLookup ReadInstallDirFromWinePrefix(const std::filesystem::path& prefix);

// The Wine prefix the game runs in: $WINEPREFIX, else $HOME/.wine; nothing without either.
std::optional<std::filesystem::path> WinePrefix();

} // namespace vornask
