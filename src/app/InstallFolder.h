// Where the file dialogs start: the game's installation directory followed by "D\".
#pragma once

#include <string>

namespace vornask {

// `installDir` followed by "D\"; a backslash is put between them when a non-empty
// `installDir` lacks one, so "C:\NetStorm" gives "C:\NetStorm\D\". Empty gives "D\".
std::string DialogFolderText(const std::string& installDir);

// The local folder the dialogs open for `installDir` on this system.
std::string LocalDialogFolder(const std::string& installDir);

} // namespace vornask
