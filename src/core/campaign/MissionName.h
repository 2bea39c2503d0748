// A campaign names its missions by their file names, without folder and without ".english":
// the game finds the mission by that name and its completion flag is "Done" + name.
#pragma once

#include <string>
#include <string_view>

namespace vornask {

// The folder separator of the system the program runs on, besides the backslash.
#ifdef _WIN32
constexpr char kNativeFolderSeparator = '\\';
#else
constexpr char kNativeFolderSeparator = '/';
#endif

// The mission name of `path`: the text after the last backslash or `folderSeparator`, cut
// before its first ".english" (exact case). "C:\Games\D\Island1.english" gives "Island1".
std::string GetMissionName(std::string_view path, char folderSeparator = kNativeFolderSeparator);

} // namespace vornask
