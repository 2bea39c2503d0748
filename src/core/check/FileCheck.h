// Checking a mission or campaign guide file the way the game will read it: what the game would
// ignore, never show, not find or read otherwise than the map maker meant, each with its line.
// A pure function of the file's bytes and the folders the game looks in for the mission files
// it names. What is found is data; the window and the command line word it.
#pragma once

#include "core/campaign/CampaignCheck.h"
#include "core/check/Finding.h"
#include "core/text/FileKind.h"
#include "core/text/FileText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornask {

// The folders the game looks in for a mission file that a file names: beside the file, then
// the game's own D folder (none when the game was not found).
struct CheckFolders {
    MissionFolder& beside;
    MissionFolder* game = nullptr;
};

// The findings in a mission file that a guide names.
struct MissionFileFindings {
    std::string file;  // as its folder names it (UTF-8)
    bool inGameFolder; // found in the game's D folder, not beside the guide
    std::vector<Finding> findings;
    bool operator==(const MissionFileFindings&) const = default;
};

struct FileCheck {
    FileKind kind = FileKind::Unknown; // Unknown: neither a mission nor a guide
    std::optional<Refusal> refusal;    // the file is not read as its kind, for this reason
    std::vector<Finding> findings;     // in the order of their lines
    std::vector<MissionFileFindings> missionFiles; // a guide's, those with findings
    // A guide's rows as the check read them: the rows the `mission` and `other` of its findings
    // count. They are the game's rows, which may be more than an editor shows: an intro line
    // that holds a row is one.
    std::vector<CampaignMission> guideRows;
    // Every finding, the mission files' too.
    std::size_t Count() const;
};

// A mission file's bytes checked; `refusal` when they are not read as a mission.
FileCheck CheckMission(std::string_view bytes, const CheckFolders& folders);
// A guide's bytes checked: its mission rows as the campaign check finds them, its lines'
// commands, and each mission file it names checked as a mission.
FileCheck CheckGuide(std::string_view bytes, const CheckFolders& folders);
// Either, by what the bytes hold (FileKind.h).
FileCheck CheckFile(std::string_view bytes, const CheckFolders& folders);

} // namespace vornask
