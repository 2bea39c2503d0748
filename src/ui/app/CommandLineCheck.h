// The check of files from the command line (--check), for a whole map pack at once.
#pragma once

#include <QStringList>

namespace vornask {

// Checks each mission and guide file of `paths`, and every one ending in ".english" in a folder
// of `paths`, as the game will read them (FileCheck.h). Prints each finding to standard output
// as "FILE:LINE: message", then a summary line; a file that cannot be read, or is neither a
// mission nor a guide, is named with its reason on standard error. The mission files that a
// guide names are checked too and their findings printed under their own names, once. Needs no
// display. Returns the exit status: 0 when nothing was found, 1 when something was, 2 when a
// file could not be read.
int CheckFilesFromCommandLine(const QStringList& paths);

} // namespace vornask
