// Where the file dialogs start: the game's installation directory followed by "D\".
#pragma once

#include <filesystem>
#include <string>

namespace vornask {

// `installDir` followed by "D\"; a backslash is put between them when a non-empty
// `installDir` lacks one, so "C:\NetStorm" gives "C:\NetStorm\D\". Empty gives "D\".
std::string DialogFolderText(const std::string& installDir);

// The local folder the dialogs open for `installDir` on this system: on Windows the text
// itself, elsewhere the folder that `winePrefix`, where the value was read, gives the
// Windows path.
std::string LocalDialogFolder(const std::string& installDir,
                              const std::filesystem::path& winePrefix);

// The local folder of the Windows path `windowsPath` in the Wine prefix `prefix`. A drive
// letter maps through the prefix's "dosdevices" links, "." and ".." are resolved and ".." stops
// at the drive's root, each name is matched without regard to case, as Windows does, and
// backslashes become slashes. A relative path stays relative with slashes; a path the prefix
// cannot map is returned as it is.
std::string LocalFolderInWinePrefix(const std::filesystem::path& prefix,
                                    const std::string& windowsPath);

// Whether `prefix` has a drive mapping (a link in its "dosdevices" folder) for the drive letter
// of `windowsPath`; true when there is no prefix or no drive letter to map.
bool MapsDrive(const std::filesystem::path& prefix, const std::string& windowsPath);

} // namespace vornask
