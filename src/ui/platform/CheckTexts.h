// What the check of a file found, as the window and the command line say it.
#pragma once

#include "core/check/FileCheck.h"

#include <QString>

namespace vornask {

// One finding, without its line: "the game knows no command $Buton (did you mean $Button?)".
QString FindingText(const Finding& finding);

} // namespace vornask
