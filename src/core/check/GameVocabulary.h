// What the game knows when it reads a mission or campaign guide file: its commands, the colours
// of its opponents, the sections it opens itself and the sections of its own that files name.
// Tables, so that what is known is added in one place; the checker looks everything up here.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornask {

// A command that stands at the start of a line: "$Button=" and what follows it. Those that take
// an action read "caption,action,argument": "$Button=Continue,Tell,TryAgain".
struct LineCommand {
    std::string_view name; // without the "$"
    bool takesAction;
};

inline constexpr std::array<LineCommand, 8> kLineCommands = {{
    {"Button", true},
    {"Checked", true}, // a guide's mission row
    {"Menu", true},
    {"Timeout", true}, // "$Timeout=seconds,action,argument"
    {"OnExit", true},
    {"MoveDialog", false},
    {"View", false},
    {"PlaySound", false},
}};

// The actions of buttons, menus, timeouts and guide rows, and of tags ("<$Tell,Hints>").
inline constexpr std::string_view kTellAction = "Tell";                 // shows a section
inline constexpr std::string_view kMissionBeginAction = "MissionBegin"; // starts a mission file
inline constexpr std::array<std::string_view, 10> kActions = {
    "MissionBegin", "MissionFork", "MissionAbort",  "MissionRestart", "MissionReview",
    "MissionEnd",   kTellAction,   "GetTechnology", "ShowTechnology", "DoNothing"};

// The commands of tags that are no action: "<$Config,Done{mission.fileName}=1>".
inline constexpr std::array<std::string_view, 1> kTagOnlyCommands = {"Config"};

// The colours the game gives an opponent ("ai3Color"); it ignores any other.
inline constexpr std::array<std::string_view, 9> kOpponentColourNames = {
    "none", "blue", "red", "white", "green", "purple", "yellow", "lightblue", "orange"};

// Sections of the game's own that this program's files name with Tell: the failure section's
// "Continue" and the guide's "Back". They are in no file of a map maker.
inline constexpr std::array<std::string_view, 2> kSharedSections = {"TryAgain", "Campaign"};

// Sections the game opens itself, without a Tell: the header, the options, the entry box, the
// success and failure sections and the end; besides these, each opponent's temple and priest
// events ("ai3TempleDead") and the timed sections ("[@1]").
inline constexpr std::array<std::string_view, 7> kSectionsOpenedByTheGame = {
    "Header", "Options", "A.", "Succeeded", "BadTeamDead", "Failed", "END"};
inline constexpr std::string_view kTimedSectionStart = "@";

bool IsLineCommand(std::string_view name);
// Whether line command `name` (known) takes an action.
bool TakesAction(std::string_view name);
bool IsAction(std::string_view name);
// Any command a tag may name: an action, a tag's own command or a line command's name.
bool IsTagCommand(std::string_view name);
bool IsOpponentColour(std::string_view colour);
bool IsSharedSection(std::string_view name);
// Whether the game opens section `name` itself (letter case ignored, as every name here).
bool IsOpenedByTheGame(std::string_view name);

// The word of `known` nearest to `word`: fewest letters added, removed or changed, letter case
// ignored; the first such word when several are as near. None when `known` is empty.
std::optional<std::string> NearestWord(std::string_view word,
                                       std::span<const std::string_view> known);
// The nearest line command, action and tag command, spelt as the game spells it.
std::string NearestLineCommand(std::string_view name);
std::string NearestAction(std::string_view name);
std::string NearestTagCommand(std::string_view name);

} // namespace vornask
