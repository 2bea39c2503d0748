#include "app/InstallFolder.h"

namespace vornask {

std::string DialogFolderText(const std::string& installDir) {
    if (installDir.empty() || installDir.back() == '\\')
        return installDir + "D\\";
    return installDir + "\\D\\";
}

std::string LocalDialogFolder(const std::string& installDir) {
    return DialogFolderText(installDir); // mapped through the Wine prefix by the registry layer
}

} // namespace vornask
