#pragma once

#include "core/mission/MissionSettings.h"

namespace vornask {

// Appends the lines of the mission file for `settings` to `lines`, in the game's format.
void BuildMissionLines(const MissionSettings& settings, MissionLines& lines);

} // namespace vornask
