#include "core/mission/MissionFormat.h"

#include "core/text/Markup.h"

#include <algorithm>
#include <array>

namespace vornask {

bool IsOpenedByTheGame(std::string_view name) {
    // The success message may also stand in "[BadTeamDead]", as the game's own files have it.
    static constexpr std::array<std::string_view, 7> kOwn = {SectionName(kHeaderHeader),
                                                             SectionName(kOptionsHeader),
                                                             SectionName(kEntryBoxHeader),
                                                             SectionName(kSucceededHeader),
                                                             "BadTeamDead",
                                                             SectionName(kFailedHeader),
                                                             SectionName(kEndHeader)};
    constexpr std::string_view kTimedSectionStart = "@";
    if (name.starts_with(kTimedSectionStart) ||
        std::any_of(kOwn.begin(), kOwn.end(),
                    [name](std::string_view own) { return EqualsNoCase(own, name); }))
        return true;
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        for (const char* event : kOpponentEventNames)
            if (EqualsNoCase(OpponentKey(side, event), name))
                return true;
    return false;
}

} // namespace vornask
