// Everything the mission wizard collects, as the mission file writer reads it.
// Values are 8-bit Windows-1252 text held exactly as captured; only the
// opponents' enable flags and the finish options are booleans.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vornask {

// Computer opponents are numbered by their side: 2 to 8 (tabs "AI2" ... "AI8").
constexpr int kFirstOpponent = 2;
constexpr int kLastOpponent = 8;
constexpr int kOpponentCount = kLastOpponent - kFirstOpponent + 1;

// The ranges of the pages' spin edits. The game's own files give up to 2,500,000 in money.
constexpr int kMinMissionNumber = 1;
constexpr int kMaxMissionNumber = 99;
constexpr int kMinStartMoney = 0;
constexpr int kMaxStartMoney = 2500000;

struct GeneralDetails {
    std::string missionType = "Tutorial";
    std::string title = "My Map";
    std::string missionNumber = "1";
    std::string moreGeysers = "1";
    std::string randGeysers = "1";
    bool operator==(const GeneralDetails&) const = default;
};

struct EntryBox {
    std::string QuoteTextBox = "\"Why of course my maps are the best!\"";
    std::string QuoteAuthorBox = "The Mapmaker";
    std::string BackgroundStoryBox =
        "You were living happily but then you got attacked and had to fight.";
    bool operator==(const EntryBox&) const = default;
};

struct HumanPlayer {
    std::string myStartMoney = "0";
    std::string myTech;
    std::string myAllyList;
    bool operator==(const HumanPlayer&) const = default;
};

struct Opponent {
    bool enabled = false; // kept live by the players page
    std::string name;
    std::string tech;
    std::string startMoney = "0";
    std::string allyList;
    bool operator==(const Opponent&) const = default;
};

// What the advanced AI options dialog stores for one opponent; never reset during a run.
struct AdvancedValues {
    std::string Collectors;
    std::string Ability;
    std::string BridgeDrawRate;
    std::string GeyserAttachments;
    std::string TimeBetweenMoves;
    bool operator==(const AdvancedValues&) const = default;
};

struct EventMessage {
    std::string heading;
    std::string text; // lines joined by CR LF
    bool operator==(const EventMessage&) const = default;
};

// The five events the game reports for each opponent, in the order they are written.
enum class OpponentEvent { TempleHalfDead, TempleDead, PriestSaved, PriestCaptured, PriestDead };
constexpr int kOpponentEventCount = 5;
constexpr std::array<const char*, kOpponentEventCount> kOpponentEventNames = {
    "TempleHalfDead", "TempleDead", "PriestSaved", "PriestCaptured", "PriestDead"};

struct EventMessages {
    EventMessage Succeeded;
    EventMessage Failed;
    std::array<std::array<EventMessage, kOpponentEventCount>, kOpponentCount> opponent;

    EventMessage& of(int side, OpponentEvent kind) {
        return opponent.at(side - kFirstOpponent).at(static_cast<int>(kind));
    }
    const EventMessage& of(int side, OpponentEvent kind) const {
        return opponent.at(side - kFirstOpponent).at(static_cast<int>(kind));
    }
    bool operator==(const EventMessages&) const = default;
};

struct FinishOptions {
    bool DuplicateCheck = true;
    bool EditSourceCheck = false;
    bool NextMissionCheck = false;
    std::string MissionName;
    bool operator==(const FinishOptions&) const = default;
};

using MissionLines = std::vector<std::string>;

struct MissionSettings {
    GeneralDetails general;
    EntryBox entryBox;
    HumanPlayer player;
    std::array<Opponent, kOpponentCount> opponents = DefaultOpponents();
    std::array<AdvancedValues, kOpponentCount> advanced;
    EventMessages events;
    FinishOptions finish;

    Opponent& opponent(int side) { return opponents.at(side - kFirstOpponent); }
    const Opponent& opponent(int side) const { return opponents.at(side - kFirstOpponent); }
    AdvancedValues& advancedOf(int side) { return advanced.at(side - kFirstOpponent); }
    const AdvancedValues& advancedOf(int side) const { return advanced.at(side - kFirstOpponent); }

    // "Badguy #1" for side 2 up to "Badguy #7" for side 8.
    static std::string DefaultOpponentName(int side) {
        return "Badguy #" + std::to_string(side - kFirstOpponent + 1);
    }

    bool operator==(const MissionSettings&) const = default;

private:
    static std::array<Opponent, kOpponentCount> DefaultOpponents() {
        std::array<Opponent, kOpponentCount> result;
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            result[side - kFirstOpponent].name = DefaultOpponentName(side);
        return result;
    }
};

// The fixed colour of each opponent slot, written into its block.
constexpr std::array<const char*, kOpponentCount> kOpponentColours = {
    "red", "white", "green", "purple", "yellow", "lightblue", "orange"};

} // namespace vornask
