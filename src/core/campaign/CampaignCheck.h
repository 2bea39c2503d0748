// Whether the game will find and play a campaign's missions: each mission file is looked for in
// the folder the guide is for, read as a mission, and, where the next mission waits for it,
// searched for the command that marks it done; and whether each mission waits only for one
// played before it. What is found is data; the editor words it.
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/text/FileText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// A file's bytes as a folder gives them, or the system's reason why it could not.
struct FolderFile {
    std::optional<std::string> bytes; // at most kMaxReadableFileBytes + 1 of them
    std::string reason;
};

// The folder the game looks in for a campaign's missions: the disk for the editor, a made-up
// one for tests.
class MissionFolder {
public:
    virtual ~MissionFolder() = default;
    // The names of what the folder holds (UTF-8); none when it cannot be listed.
    virtual std::vector<std::string> Names() = 0;
    // The bytes of the file `name` (one of Names()). Anything but a regular file, or one that
    // cannot be read, gives a reason instead; so does a file that would make the reader wait.
    virtual FolderFile Read(const std::string& name) = 0;
};

// The file names of a folder as Windows finds them, letter case ignored: listed once, then
// asked for any number of missions.
class FolderIndex {
public:
    explicit FolderIndex(const std::vector<std::string>& names);
    // The name in the folder of mission `missionName` (8-bit Windows-1252 text, as a guide
    // holds it) followed by ".english"; the one written exactly so when there are several.
    std::optional<std::string> MissionFile(std::string_view missionName) const;

private:
    std::vector<std::pair<std::u32string, std::string>> byKey_; // sorted by key
};

enum class CampaignFindingKind {
    MissingFile,   // `file` is not in the folder
    CannotRead,    // `file` is there but could not be read, for `reason`
    NotAMission,   // `file` was read but is refused as a mission file, for `refusal`
    NeverDone,     // `file` never sets the mission's flag, so mission `other` never opens
    WaitsForLater, // the mission waits for the flag of mission `other`, placed after it
};

struct CampaignFinding {
    CampaignFindingKind kind;
    std::size_t mission; // its row in the campaign, from 0
    std::string file;    // its file name (UTF-8): as found, or as looked for when missing
    std::string reason = {};
    std::optional<Refusal> refusal = std::nullopt;
    std::size_t other = 0; // the row of the mission it stands in the way of, or waits for
    bool operator==(const CampaignFinding&) const = default;
};

// What stands in the way of playing `campaign` from the guide in `folder`, mission by mission
// (rows that start no mission are no one's concern). A mission whose flag a mission after it
// waits for must set that flag: its file holds the command "<$Config,flag=1>", letter case
// ignored, or for the flag "Done" followed by its name "<$Config,Done{mission.fileName}=1>", as
// this program's missions do. A mission that waits for the flag of one placed after it is named
// too.
std::vector<CampaignFinding> CheckCampaign(const CampaignSettings& campaign, MissionFolder& folder);

} // namespace vornask
