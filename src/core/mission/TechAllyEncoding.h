// The two list notations of the mission file: knowledge ("tech") and allies.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

struct TechItem {
    const char* caption;            // as shown in the knowledge lists
    const char* emitted;            // identifier in the mission file, with its semicolon
    const char* alsoRead = nullptr; // an older identifier read as this item, never written
};

constexpr int kTechItemCount = 26;

// Indexed by item: the encoding always goes by item, never by display position.
constexpr std::array<TechItem, kTechItemCount> TechItemTable = {{
    {"Acid Barricade", "rainFence;"},
    {"Airship", "windBalloon;"},
    {"Arc Spire", "thunderFence;"},
    {"Bulf", "bulf;", "thunderWalker"}, // the name earlier versions of this program wrote
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

// What a knowledge list shows: its ticked items and its "All technology" box, and the items of
// the value that the list does not show, which stay in it.
struct TechChoice {
    TechTicks ticked{};
    bool allTechnology = false;
    std::string others; // each followed by a semicolon, spelt as the value had them
    bool operator==(const TechChoice&) const = default;
};

// A knowledge value read as the game reads it: items in any order and letter case, with or
// without the last semicolon, and items the lists do not show. "all" checks the box and ticks
// every item (as a click on the box does). The Bulf is read as "bulf" and as "thunderWalker".
TechChoice ReadTechList(std::string_view value);

// The value a list with `choice` gives: "all" when the box is checked, else the ticked items in
// table order followed by the others.
std::string GetTechList(const TechChoice& choice);

constexpr int kAllyItemCount = 7;
using AllyTicks = std::array<bool, kAllyItemCount>; // in list order, top to bottom

// The side named by item `position` (1 to 7) of the ally list owned by side `owner` (1 to 8).
int AllySide(int owner, int position);

// The captions of the ally list owned by `owner`: "Player" for side 1, "AI #k" for side k+1.
std::vector<std::string> AllyListCaptions(int owner);

// The ticked sides' numbers, each followed by a semicolon, in ascending order.
std::string GetAllyList(const AllyTicks& ticked, int owner);

// What an ally list shows, and the entries of the value it cannot show (unknown sides, the
// owner's own), which stay in it.
struct AllyChoice {
    AllyTicks ticked{};
    std::string others; // each followed by a semicolon
    bool operator==(const AllyChoice&) const = default;
};

// An ally value read as the game reads it: side numbers in any order, spaces around them, with
// or without the last semicolon.
AllyChoice ReadAllyList(std::string_view value, int owner);

// The ticked sides' numbers, then the others.
std::string GetAllyList(const AllyChoice& choice, int owner);

// The entries of a list value: the parts between its semicolons, without spaces around them,
// empty parts left out.
std::vector<std::string_view> ListEntries(std::string_view value);

} // namespace vornask
