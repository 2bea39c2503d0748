// The fixed parts of the mission file that the writer writes and the reader looks for.
#pragma once

#include "core/mission/MissionSettings.h"

#include <string>
#include <string_view>

namespace vornask {

// The sections' headers, in the order of the file; the opponents' event sections stand
// between "[Succeeded]" and "[Failed]".
constexpr std::string_view kHeaderHeader = "[Header]";
constexpr std::string_view kOptionsHeader = "[Options]";
constexpr std::string_view kEntryBoxHeader = "[A.]";
constexpr std::string_view kSucceededHeader = "[Succeeded]";
constexpr std::string_view kFailedHeader = "[Failed]";
constexpr std::string_view kEndHeader = "[END]";

// The entry box's two buttons, after the background story.
constexpr std::string_view kReviewKnowledgeButton = "$Button=Review Knowledge,ShowTechnology,55";
constexpr std::string_view kPlayMissionButton = "$Button=Play Mission,DoNothing,0";
// The end of "[Succeeded]": the completion flag a campaign checks, the button to leave and,
// for campaigns, the button to the next mission (this prefix + its name).
constexpr std::string_view kDoneConfigLine = "<$Config,Done{mission.fileName}=1>";
constexpr std::string_view kLeaveMissionsButton = "$Button=Leave Missions,MissionAbort,0";
constexpr std::string_view kNextMissionButtonPrefix = "$Button=Next Mission,MissionBegin,";
// The end of "[Failed]".
constexpr std::string_view kContinueButton = "$Button=Continue,Tell,TryAgain";

// Whether the game opens a section of a mission file named `name` (letter case ignored) itself,
// without a button or menu naming it: the header, the options, the entry box, the success and
// failure sections, the end, each opponent's temple and priest events ("ai3TempleDead") and
// the timed sections ("[@1]").
bool IsOpenedByTheGame(std::string_view name);

// An opponent's key or event name: "ai" + side + name, as "ai3Name" or "ai7TempleHalfDead".
inline std::string OpponentKey(int side, std::string_view name) {
    return "ai" + std::to_string(side) + std::string(name);
}

// The header of an opponent's event section, as "[ai3PriestSaved]".
inline std::string EventSectionHeader(int side, int kind) {
    return "[" + OpponentKey(side, kOpponentEventNames.at(kind)) + "]";
}

} // namespace vornask
