// What the campaign editor collects and the campaign file writer reads.
#pragma once

#include <string>
#include <vector>

namespace vornask {

struct CampaignMission {
    std::string title; // the caption of the mission's node
    std::string name;  // the mission file's name without folder and ".english"
    bool operator==(const CampaignMission&) const = default;
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
