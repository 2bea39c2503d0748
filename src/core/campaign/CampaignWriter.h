// The campaign guide file: the intro, then one line per mission that starts it and records
// its completion flag.
#pragma once

#include "core/campaign/CampaignSettings.h"

#include <string>
#include <vector>

namespace vornask {

// Appends the lines of the guide file for `settings` to `lines`.
void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines);

} // namespace vornask
