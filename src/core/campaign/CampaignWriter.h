// The campaign guide file: the intro, then one line per mission that starts it and records
// its completion flag.
#pragma once

#include "core/campaign/CampaignSettings.h"

#include <string>
#include <vector>

namespace vornask {

// Appends the lines of the guide file for `settings` to `lines`.
void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines);

// The condition under which mission `index` (from 0) may be played: its own when it has one,
// else "1", or with "Sequential" the flag of the mission before it.
std::string MissionCondition(const CampaignSettings& settings, std::size_t index);

// The line of mission `index` (from 0) as BuildCampaignLines writes it.
std::string CampaignMissionLine(const CampaignSettings& settings, std::size_t index);

} // namespace vornask
