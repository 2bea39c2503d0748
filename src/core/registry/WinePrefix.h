// The game's installation folder as a Wine prefix's registry file holds it (on Linux the game
// runs under Wine). The real Windows registry is read by the UI's platform layer.
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

    static InstallDirLookup Found(std::string text);
    static InstallDirLookup Failed(std::string error);
    // The value exists but is not text.
    static InstallDirLookup NotText();
};

// The same from the registry file of the Wine prefix `prefix`: the 32-bit view of a 64-bit
// prefix lies under Wow6432Node, a 32-bit prefix has none.
InstallDirLookup ReadInstallDirFromWinePrefix(const std::filesystem::path& prefix);

// The Wine prefix the game runs in: $WINEPREFIX, else $HOME/.wine; nothing without either.
std::optional<std::filesystem::path> WinePrefix();

} // namespace vornask
