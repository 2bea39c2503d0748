// What the windows and the command line say when the game's registry value cannot be used.
#pragma once

#include "core/registry/WinePrefix.h"

#include <QString>

namespace vornask {

// Why the game's folder stays unknown although its registry key is there: the value is no text,
// or the registry could not be read (the system's reason).
QString InstallDirProblem(const InstallDirLookup& lookup);

} // namespace vornask
