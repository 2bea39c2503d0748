#include "core/registry/WinePrefix.h"

#include <algorithm>
#include <string_view>

namespace vornask {
namespace {

constexpr std::string_view kGameKeys[] = {
    "Software\\Wow6432Node\\Titanic Entertainment\\NetStorm",
    "Software\\Titanic Entertainment\\NetStorm",
};
constexpr std::string_view kValueName = "InstallDir";

InstallDirLookup LookupOf(RegistryValue value) {
    switch (value.status) {
    case RegistryValueStatus::NotFound:
        break;
    case RegistryValueStatus::String:
        return InstallDirLookup::Found(std::move(value.text));
    case RegistryValueStatus::WrongType:
        return InstallDirLookup::NotText();
    }
    return {};
}

// The length of the UTF-8 `text` in UTF-16 code units, as Windows counts a path's characters.
std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0; // beyond U+FFFF: a surrogate pair
    }
    return units;
}

} // namespace

// Windows ends a text value at its first NUL; a folder name cannot hold one anyway. A value
// longer than any Windows path names no folder, and mapping it would only cost time.
InstallDirLookup InstallDirLookup::Found(std::string text) {
    text.resize(std::min(text.size(), text.find('\0')));
    if (Utf16Length(text) > kMaxWindowsPathLength)
        return {};
    return {Outcome::Found, std::move(text), {}, {}};
}

InstallDirLookup InstallDirLookup::Failed(std::string error) {
    return {Outcome::Error, {}, std::move(error), {}};
}

PrefixReading ReadInstallDirFromWinePrefix(const std::filesystem::path& prefix) {
    RegistryFileAnswer answer =
        FindInWineRegistryFile(prefix / "system.reg", kGameKeys, kValueName);
    InstallDirLookup lookup = LookupOf(std::move(answer.value));
    if (lookup.outcome != InstallDirLookup::Outcome::NotFound)
        lookup.winePrefix = prefix;
    return {answer.state, std::move(lookup)};
}

} // namespace vornask
