// The campaign guide file: the intro, then one line per mission that starts it and records
// its completion flag.
#pragma once

#include "core/campaign/CampaignSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace vornask {

// Appends the lines of the guide file for `settings` to `lines`.
void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines);

// The mission row nearest before row `index`; none for the first mission.
std::optional<std::size_t> PreviousMission(const CampaignSettings& settings, std::size_t index);

// The flag mission row `index` sets once the mission is won, as its row writes it.
std::string MissionFlag(const CampaignMission& mission);

// The condition under which mission row `index` (from 0) may be played: its own when it has
// one, else "1" for the first mission, else the flag of the mission before it with
// "Sequential" or `afterPrevious`, else "1".
std::string MissionCondition(const CampaignSettings& settings, std::size_t index);

// The line of mission row `index` (from 0) as BuildCampaignLines writes it, numbered `number`.
std::string CampaignMissionLine(const CampaignSettings& settings, std::size_t index,
                                std::size_t number);

} // namespace vornask
