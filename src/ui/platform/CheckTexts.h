// What the check of a file found, as the window and the command line say it.
#pragma once

#include "core/check/FileCheck.h"

#include <QString>
#include <QStringList>

namespace vornask {

// One finding, without its line: "the game knows no command $Buton (did you mean $Button?)".
// What the file holds is put in whole: a "%1" in it stays as it is.
QString FindingText(const Finding& finding);

// Every finding of `check`, one to a line: "Line 12: ..." for the file's own, "Island2.english,
// line 4: ..." for a mission file that a guide names.
QStringList FindingLines(const FileCheck& check);

} // namespace vornask
