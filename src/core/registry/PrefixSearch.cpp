#include "core/registry/PrefixSearch.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>

namespace vornask {
namespace {

namespace fs = std::filesystem;

// Where the launchers keep their prefixes under $HOME, in the order that breaks ties; "*"
// stands for each folder there.
constexpr std::string_view kLauncherPlaces[] = {
    "Games/*",                                                // Lutris
    ".local/share/bottles/bottles/*",                         // Bottles
    ".var/app/com.usebottles.bottles/data/bottles/bottles/*", // Bottles as a Flatpak
    ".PlayOnLinux/wineprefix/*",                              // PlayOnLinux
    ".steam/steam/steamapps/compatdata/*/pfx",                // Steam's Proton
    ".local/share/Steam/steamapps/compatdata/*/pfx",
    "Games/Heroic/Prefixes/*", // Heroic, with Proton's pfx inside or without
    "Games/Heroic/Prefixes/*/pfx",
    "Games/Heroic/Prefixes/default/*",
    "Games/Heroic/Prefixes/default/*/pfx",
    ".cxoffice/*", // CrossOver's bottles
};

fs::path PathOfEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

// The folders that a place's "*" stands for, in name order.
std::vector<fs::path> Expand(const fs::path& home, std::string_view place) {
    const auto star = place.find('*');
    const fs::path parent = home / place.substr(0, star);
    const std::string_view inside = place.substr(std::min(star + 2, place.size()));
    std::vector<fs::path> folders;
    std::error_code error;
    for (fs::directory_iterator it(parent, error); !error && it != fs::directory_iterator();
         it.increment(error))
        folders.push_back(inside.empty() ? it->path() : it->path() / inside);
    std::ranges::sort(folders);
    return folders;
}

struct Candidate {
    fs::path prefix;
    fs::file_time_type changed;
};

// Candidates that are real folders not met before, with their registry file's age. A link
// that loops, or leads nowhere, is no folder.
class CandidateList {
public:
    // Whether `prefix` is a folder not met before; remembers it.
    bool IsNew(const fs::path& prefix) {
        std::error_code error;
        const fs::path real = fs::canonical(prefix, error);
        return !error && fs::is_directory(real, error) && seen_.insert(real).second;
    }

    void AddIfItHasARegistry(const fs::path& prefix) {
        std::error_code error;
        const fs::path file = prefix / "system.reg";
        if (!fs::exists(fs::symlink_status(file, error)) || !IsNew(prefix))
            return;
        const auto changed = fs::last_write_time(file, error);
        launchers_.push_back({prefix, error ? fs::file_time_type::min() : changed});
    }

    // Newest first; a stable sort keeps the places' order among equals.
    std::vector<fs::path> LaunchersNewestFirst() {
        std::ranges::stable_sort(launchers_, std::ranges::greater(), &Candidate::changed);
        std::vector<fs::path> prefixes;
        for (Candidate& candidate : launchers_)
            prefixes.push_back(std::move(candidate.prefix));
        return prefixes;
    }

private:
    std::set<fs::path> seen_;
    std::vector<Candidate> launchers_;
};

} // namespace

SearchStart SearchStart::FromEnvironment() {
    return {PathOfEnvironment("WINEPREFIX"), PathOfEnvironment("HOME")};
}

std::vector<fs::path> CandidatePrefixes(const SearchStart& start) {
    if (!start.winePrefix.empty())
        return {start.winePrefix};
    if (start.home.empty())
        return {};
    const fs::path wine = start.home / ".wine";
    CandidateList list;
    list.IsNew(wine);
    for (std::string_view place : kLauncherPlaces)
        for (const fs::path& prefix : Expand(start.home, place))
            list.AddIfItHasARegistry(prefix);
    std::vector<fs::path> prefixes = list.LaunchersNewestFirst();
    prefixes.insert(prefixes.begin(), wine);
    return prefixes;
}

PrefixSearch SearchWinePrefixes(const SearchStart& start, std::size_t maxFiles,
                                std::stop_token stop) {
    PrefixSearch search;
    std::size_t filesRead = 0;
    for (const fs::path& prefix : CandidatePrefixes(start)) {
        if (stop.stop_requested())
            break;
        if (filesRead == maxFiles) {
            search.leftOut.push_back(prefix);
            continue;
        }
        PrefixReading reading = ReadInstallDirFromWinePrefix(prefix);
        filesRead += reading.file != RegistryFileState::Missing;
        const bool holdsKey = reading.lookup.outcome != InstallDirLookup::Outcome::NotFound;
        if (holdsKey)
            search.lookup = reading.lookup;
        search.lookedAt.push_back({prefix, std::move(reading)});
        if (holdsKey)
            break;
    }
    return search;
}

} // namespace vornask
