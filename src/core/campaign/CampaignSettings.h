// What the campaign editor collects and the campaign file writer reads.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornask {

struct CampaignMission {
    std::string title; // the caption of the mission's node
    std::string name;  // the mission file's name without folder and ".english"
    // The condition an opened guide gives the mission when it is neither "1" nor the flag of
    // the mission before it (another mission's flag, a number): kept as written. Without
    // one, the mission's condition follows "Sequential".
    std::optional<std::string> condition = std::nullopt;
    // Which mission line of the opened guide the mission came from; none for one added since.
    // Who the mission is, not what it holds: settings compare equal without it.
    std::optional<std::size_t> source = std::nullopt;

    bool operator==(const CampaignMission& other) const {
        return title == other.title && name == other.name && condition == other.condition;
    }
};

constexpr int kMaxCampaignMissions = 80;

struct CampaignSettings {
    std::string title = "My Campaign";
    std::string CampaignHeader = "My Campaign";
    std::vector<std::string> CampaignText{"Play my campaign!"};
    bool Sequential = true; // kept for the whole run
    std::vector<CampaignMission> missions;
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
