// What the campaign editor collects and the campaign file writer reads.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornask {

// A row of the campaign menu. The editor's rows are missions; a guide opened from the disk may
// also hold rows that start none (a heading, a demo, a broken or empty row), which the editor
// shows, moves and deletes but never counts, checks or numbers as missions.
struct CampaignMission {
    std::string title; // the caption of the row's node: a mission's title, another row's label
    std::string name;  // the mission file's name without folder and ".english"
    // The condition an opened guide gives the mission when it is neither "1" nor the flag of
    // the mission before it (another mission's flag, a number): kept as written. Without
    // one, the mission's condition follows "Sequential", or `afterPrevious`.
    std::optional<std::string> condition = std::nullopt;
    // Which row of the opened guide it came from; none for a mission added since.
    // Who the row is, not what it holds: settings compare equal without it.
    std::optional<std::size_t> source = std::nullopt;
    // A mission of an opened guide that waits for the mission before it while "Sequential" is
    // off: it waits for whichever mission comes before it, wherever it is moved.
    bool afterPrevious = false;
    // The flag the row sets as an opened guide writes it, where that is not "{Done" + name +
    // "}", as this program writes it.
    std::optional<std::string> flag = std::nullopt;
    bool startsMission = true;

    bool operator==(const CampaignMission& other) const {
        return title == other.title && name == other.name && condition == other.condition &&
               afterPrevious == other.afterPrevious && flag == other.flag &&
               startsMission == other.startsMission;
    }
};

constexpr int kMaxCampaignMissions = 80;

struct CampaignSettings {
    std::string title = "My Campaign";
    std::string CampaignHeader = "My Campaign";
    std::vector<std::string> CampaignText{"Play my campaign!"};
    bool Sequential = true;                // kept for the whole run
    std::vector<CampaignMission> missions; // the rows of the campaign menu, in order
    bool operator==(const CampaignSettings&) const = default;
};

// A new campaign: everything back to its start value except `Sequential`, which the user
// set for the whole run.
inline void StartNewCampaign(CampaignSettings& settings) {
    const bool sequential = settings.Sequential;
    settings = CampaignSettings{};
    settings.Sequential = sequential;
}

} // namespace vornask
