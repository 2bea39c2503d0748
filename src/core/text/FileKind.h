// Which of the program's two kinds of file a file is, told by its content: a mission file has a
// "[Header]" section, a campaign guide file an "[Overview]" section, in any letter case.
#pragma once

#include <string_view>

namespace vornask {

enum class FileKind { Mission, CampaignGuide, Unknown };

// The ending of the game's text files: missions and campaign guides alike.
constexpr std::string_view kMissionFileExtension = ".english";

// The kind of the first of the two section headers in `bytes` (after a UTF-8 byte-order mark,
// if any, and in UTF-16 text when a UTF-16 mark says so); Unknown when neither stands on a line
// of its own. Reads Windows-1252 and UTF-8 bytes no further than that header.
FileKind DetectFileKind(std::string_view bytes);

} // namespace vornask
