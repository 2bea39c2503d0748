// The game's installation folder as the system's registry holds it: the real registry on
// Windows, the Wine prefix's registry file elsewhere (the game then runs under Wine).
// Plain C++ with no Qt, so the Windows side can be compiled on its own.
#pragma once

#include "core/registry/PrefixSearch.h"

#include <stop_token>

namespace vornask {

// Reads the "InstallDir" value of HKEY_LOCAL_MACHINE\SOFTWARE\Titanic Entertainment\NetStorm
// in the 32-bit view of the registry, which is where the 32-bit game keeps it, and then in
// the 64-bit view. Elsewhere the Wine prefixes `start` names are searched for it, until
// `stop` is requested (see PrefixSearch.h).
InstallDirLookup ReadInstallDir(const SearchStart& start = SearchStart::FromEnvironment(),
                                std::stop_token stop = {});

} // namespace vornask
