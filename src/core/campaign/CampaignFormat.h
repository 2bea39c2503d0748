// The fixed parts of the campaign guide file that the writer writes and the reader looks for.
#pragma once

#include <string>
#include <string_view>

namespace vornask {

constexpr std::string_view kOverviewHeader = "[Overview]";
constexpr std::string_view kOverviewBackground = "<background=\"nsstart\">";
constexpr std::string_view kIntroTextStart = "<p>";
constexpr std::string_view kBackToCampaignsButton = "$Button=Back,Tell,Campaign";

// A mission line: "$Checked=" + number + " " + title + ",MissionBegin," + name + ",{Done" +
// name + "}," + the condition, which is "1" or the previous mission's flag "{Done" + name + "}".
constexpr std::string_view kMissionLineStart = "$Checked=";
constexpr std::string_view kMissionBegin = ",MissionBegin,";
constexpr std::string_view kFlagStart = "{Done";
constexpr std::string_view kFlagEnd = "}";
constexpr std::string_view kAlwaysAvailable = "1";

// A row of the menu shown only while a condition holds, on one line:
// "<?{flag}>" (or "<?!{flag}>") + row + "</?>", conditions within conditions too.
constexpr std::string_view kConditionStart = "<?";
constexpr std::string_view kConditionEnd = "</?>";

// The flag a mission file's success section sets: "{Done" + the mission's name + "}".
inline std::string CompletionFlag(std::string_view missionName) {
    return std::string(kFlagStart).append(missionName).append(kFlagEnd);
}

} // namespace vornask
