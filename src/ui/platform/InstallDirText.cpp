#include "ui/platform/InstallDirText.h"
#include "ui/platform/Texts.h"

namespace vornask {

QString InstallDirProblem(const InstallDirLookup& lookup) {
    if (lookup.outcome == InstallDirLookup::Outcome::NotText)
        return Texts::tr("The registry value \"InstallDir\" of HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                         "Titanic Entertainment\\NetStorm is not text, so the game's folder "
                         "stays unknown.");
    return QString::fromStdString(lookup.error);
}

} // namespace vornask
