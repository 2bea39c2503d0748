#include "core/registry/WinePrefix.h"

#include "core/registry/WineRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace vornask {
namespace {

constexpr std::string_view kValueName = "InstallDir";
constexpr std::string_view kNotTextError =
    "The registry value \"InstallDir\" of HKEY_LOCAL_MACHINE\\SOFTWARE\\Titanic "
    "Entertainment\\NetStorm is not text, so the game's folder stays unknown.";

} // namespace

// Windows ends a text value at its first NUL; a folder name cannot hold one anyway.
InstallDirLookup InstallDirLookup::Found(std::string text) {
    text.resize(std::min(text.size(), text.find('\0')));
    return {Outcome::Found, std::move(text), {}};
}

InstallDirLookup InstallDirLookup::Failed(std::string error) {
    return {Outcome::Error, {}, std::move(error)};
}

InstallDirLookup InstallDirLookup::NotText() {
    return Failed(std::string(kNotTextError));
}

InstallDirLookup ReadInstallDirFromWinePrefix(const std::filesystem::path& prefix) {
    static constexpr std::string_view kKeys[] = {
        "Software\\Wow6432Node\\Titanic Entertainment\\NetStorm",
        "Software\\Titanic Entertainment\\NetStorm",
    };
    const std::string file = ReadWineRegistryFile(prefix / "system.reg");
    for (std::string_view key : kKeys) {
        RegistryValue value = FindWineRegistryValue(file, key, kValueName);
        switch (value.status) {
        case RegistryValueStatus::NotFound:
            continue;
        case RegistryValueStatus::String:
            return InstallDirLookup::Found(std::move(value.text));
        case RegistryValueStatus::WrongType:
            return InstallDirLookup::NotText();
        }
    }
    return {};
}

std::optional<std::filesystem::path> WinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        return std::filesystem::path(prefix);
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".wine";
    return std::nullopt;
}

} // namespace vornask
