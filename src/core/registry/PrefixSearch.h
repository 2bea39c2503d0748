// Finding the Wine prefix the game was installed into. Linux players keep a prefix in
// ~/.wine, or one per game where their launcher (Lutris, Bottles, PlayOnLinux, Steam's
// Proton, Heroic, CrossOver) puts it; $WINEPREFIX names one outright.
#pragma once

#include "core/registry/WinePrefix.h"

#include <cstddef>
#include <filesystem>
#include <stop_token>
#include <vector>

namespace vornask {

// What decides where the search looks: $WINEPREFIX and $HOME, empty when unset.
struct SearchStart {
    std::filesystem::path winePrefix;
    std::filesystem::path home;

    static SearchStart FromEnvironment();
};

struct PrefixVisit {
    std::filesystem::path prefix;
    PrefixReading reading;
};

struct PrefixSearch {
    std::vector<PrefixVisit> lookedAt;          // in the order read
    std::vector<std::filesystem::path> leftOut; // not read, past the limit
    InstallDirLookup lookup; // from the first prefix holding the key, which it names
};

// Proton keeps one prefix per game, so a home can hold hundreds; reading each registry file
// costs a few milliseconds, so the search ends after this many.
constexpr std::size_t kMaxRegistryFilesRead = 200;

// The prefixes to look in, in order: $WINEPREFIX alone when it is set. Otherwise ~/.wine
// first, then every launcher's prefix (a folder holding a system.reg), newest registry file
// first, those of equal age in the order of the launchers' places; each real folder once,
// however many links lead to it.
std::vector<std::filesystem::path> CandidatePrefixes(const SearchStart& start);

// Reads the candidates' registry files in order until one holds the game's key, at most
// `maxFiles` of them (a missing ~/.wine/system.reg is not counted). A file that cannot be
// read, is too large or is not a registry is passed over. Once `stop` is requested no further
// file is read, and the search ends with what it found until then.
PrefixSearch SearchWinePrefixes(const SearchStart& start,
                                std::size_t maxFiles = kMaxRegistryFilesRead,
                                std::stop_token stop = {});

} // namespace vornask
