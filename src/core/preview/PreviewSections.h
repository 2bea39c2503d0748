// The section a preview draws, found in the text of a file as the readers find it, so that the
// preview reads what the game will read.
#pragma once

#include "core/mission/MissionWriter.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// The lines below the header of a mission file's section: the entry box, the success or failure
// message, or the event `kind` of opponent `side`. Found in the file's `bytes` as the mission
// reader finds it; none when the file holds no such section or the reader refuses the file.
std::optional<std::vector<std::string>> MissionSectionToDraw(std::string_view bytes,
                                                             WrittenSection section,
                                                             int side = kFirstOpponent,
                                                             int kind = 0);

// The lines below the "[Overview]" header of a campaign guide file, found as the campaign reader
// finds it: the intro and the campaign menu.
std::optional<std::vector<std::string>> GuideOverviewToDraw(std::string_view bytes);

// The lines below the header of the section that holds line `line` of `lines` (the header
// itself, or a line below it); none for a line above the first header.
std::optional<std::vector<std::string>> SectionToDrawAt(const std::vector<std::string>& lines,
                                                        std::size_t line);

} // namespace vornask
