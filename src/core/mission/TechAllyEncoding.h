// The two list notations of the mission file: knowledge ("tech") and allies.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

struct TechItem {
    const char* caption; // as shown in the knowledge lists
    const char* emitted; // identifier in the mission file, with its semicolon
};

constexpr int kTechItemCount = 26;

// Indexed by item: the encoding always goes by item, never by display position.
constexpr std::array<TechItem, kTechItemCount> TechItemTable = {{
    {"Acid Barricade", "rainFence;"},
    {"Airship", "windBalloon;"},
    {"Arc Spire", "thunderFence;"},
    {"Bulf", "thunderWalker;"},
    {"Bulwark", "thunderBlocker;"},
    {"Cloud Floater", "rainBalloon;"},
    {"Crossbow", "windArcher;"},
    {"Crystal Crab", "rainWalker;"},
    {"Devil Maker", "windAviary;"},
    {"Ice Cannon", "rainCannon;"},
    {"Ice Tower", "rainBlocker;"},
    {"Man O' War Pool", "rainAviary;"},
    {"Outpost", "outpost;"},
    {"Rain Generator", "rainBattery;"},
    {"Stone Tower", "sunBlocker;"},
    {"Sun Balloon", "sunBalloon;"},
    {"Sun Barricade", "sunFence;"},
    {"Sun Cannon", "sunCannon;"},
    {"Sun Disc Thrower", "sunArcher;"},
    {"Sail Skater", "windWalker;"},
    {"Thunder Cannon", "thunderCannon;"},
    {"Thunder Generator", "thunderBattery;"},
    {"Vander Tower", "thunderArcher;"},
    {"Whirlibase", "sunAviary;"},
    {"Wind Generator", "windBattery;"},
    {"Wind Tower", "windBlocker;"},
}};

using TechTicks = std::array<bool, kTechItemCount>; // by item (table position)

// Item positions in the order the player's knowledge list shows them: sorted by caption.
// The opponents' lists show the table order.
std::array<int, kTechItemCount> PlayerTechDisplayOrder();

// "all" when the list's "All technology" box is checked, else the ticked items' identifiers
// in table order.
std::string GetTechList(const TechTicks& ticked, bool allTechnology);

// What a knowledge list shows: its ticked items and its "All technology" box.
struct TechChoice {
    TechTicks ticked{};
    bool allTechnology = false;
    bool operator==(const TechChoice&) const = default;
};

// The list state a knowledge value was made from: "all" checks the box and ticks every item (as
// a click on the box does). None when no list gives `value` (items out of table order, twice,
// unknown, or a missing semicolon), so that GetTechList(result) == value whenever there is one.
std::optional<TechChoice> TechChoiceOf(std::string_view value);

constexpr int kAllyItemCount = 7;
using AllyTicks = std::array<bool, kAllyItemCount>; // in list order, top to bottom

// The side named by item `position` (1 to 7) of the ally list owned by side `owner` (1 to 8).
int AllySide(int owner, int position);

// The captions of the ally list owned by `owner`: "Player" for side 1, "AI #k" for side k+1.
std::vector<std::string> AllyListCaptions(int owner);

// The ticked sides' numbers, each followed by a semicolon, in ascending order.
std::string GetAllyList(const AllyTicks& ticked, int owner);

// The ticks of the ally list owned by `owner` that give `value`; none when no ticks do (sides
// out of order, twice, the owner's own or unknown), so that GetAllyList(result, owner) == value
// whenever there is one.
std::optional<AllyTicks> AllyTicksOf(std::string_view value, int owner);

} // namespace vornask
