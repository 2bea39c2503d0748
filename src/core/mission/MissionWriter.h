#pragma once

#include "core/mission/MissionSettings.h"

namespace vornask {

// Appends the lines of the mission file for `settings` to `lines`, in the game's format.
void BuildMissionLines(const MissionSettings& settings, MissionLines& lines);

// The sections the writer writes from the pages' values.
enum class WrittenSection { EntryBox, Succeeded, Event, Failed };

// The lines of one section as BuildMissionLines writes it, from its header to the blank line that
// closes it where it has one; `side` and `kind` choose the event of an event section. For a
// file that lacks the section.
MissionLines MissionSectionLines(const MissionSettings& settings, WrittenSection section,
                                 int side = kFirstOpponent, int kind = 0);

} // namespace vornask
