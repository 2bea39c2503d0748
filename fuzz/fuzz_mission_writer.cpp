// Random mission settings through the writer: the line count follows from the enabled
// opponents and their messages, the file always opens and closes as the game expects, and
// every value stands in its place.
#include "Check.h"
#include "LineCursor.h"
#include "core/mission/MissionWriter.h"
#include "core/text/TextLines.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vornask;

namespace {

std::string Text(FuzzedDataProvider& data) {
    return data.ConsumeRandomLengthString(64);
}

void Fill(EventMessage& message, FuzzedDataProvider& data) {
    message.heading = Text(data);
    message.text = Text(data);
}

void FillOpponent(MissionSettings& s, int side, FuzzedDataProvider& data) {
    Opponent& ai = s.opponent(side);
    AdvancedValues& advanced = s.advancedOf(side);
    ai.enabled = data.ConsumeBool();
    for (std::string* value :
         {&ai.name, &ai.tech, &ai.startMoney, &ai.allyList, &advanced.Collectors,
          &advanced.BridgeDrawRate, &advanced.GeyserAttachments, &advanced.TimeBetweenMoves,
          &advanced.Ability})
        *value = Text(data);
}

void ExpectMessage(LineCursor& at, const EventMessage& message) {
    at.Next("<h2>" + message.heading + "</h2>");
    at.Next("<p>" + message.text);
}

void ExpectOpponentBlock(LineCursor& at, const MissionSettings& s, int side) {
    const std::string ai = "ai" + std::to_string(side);
    const Opponent& opponent = s.opponent(side);
    const AdvancedValues& advanced = s.advancedOf(side);
    at.Key(ai + "Name", opponent.name);
    at.Key(ai + "Tech", opponent.tech);
    at.Key(ai + "StartMoney", opponent.startMoney);
    at.Key(ai + "AllyList", opponent.allyList);
    at.Skip(); // the slot's colour
    at.Key(ai + "Collectors", advanced.Collectors);
    at.Key(ai + "BridgeDrawRate", advanced.BridgeDrawRate);
    at.Key(ai + "GeyserAttachments", advanced.GeyserAttachments);
    at.Key(ai + "TimeBetweenMoves", advanced.TimeBetweenMoves);
    at.Key(ai + "Ability", advanced.Ability);
    at.Skip();
}

// Walks the file section by section, each value where the game looks for it.
void ExpectValuesInPlace(const MissionSettings& s, const MissionLines& lines) {
    LineCursor at(lines);
    at.Skip(); // [Header]
    at.Key("missionType", s.general.missionType);
    at.Skip();
    at.Key("missionNumber", s.general.missionNumber);
    at.Key("moreGeysers", s.general.moreGeysers);
    at.Key("randGeysers", s.general.randGeysers);
    at.Skip();
    at.Key("myStartMoney", s.player.myStartMoney);
    at.Key("myTech", s.player.myTech);
    at.Key("myAllyList", s.player.myAllyList);
    at.Skip();
    at.Key("title", s.general.title);
    at.Skip();
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (s.opponent(side).enabled)
            ExpectOpponentBlock(at, s, side);
    at.Skip(3); // [Options], a blank line, [A.]
    at.Next("<h2>" + s.general.title + "</h2>");
    at.Next("<i>" + s.entryBox.QuoteTextBox + "<br>");
    at.Next("--" + s.entryBox.QuoteAuthorBox + "</i>");
    at.Next("<p>" + s.entryBox.BackgroundStoryBox);
    at.Skip(5); // the entry box's buttons, [Succeeded]
    ExpectMessage(at, s.events.Succeeded);
    at.Skip(2);
    if (s.finish.NextMissionCheck)
        at.Next("$Button=Next Mission,MissionBegin," + s.finish.MissionName);
    at.Skip();
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        for (int kind = 0; kind < kOpponentEventCount && s.opponent(side).enabled; ++kind) {
            const EventMessage& message = s.events.of(side, OpponentEvent(kind));
            if (message.heading.empty() && message.text.empty())
                continue;
            at.Skip(); // the event's section name
            ExpectMessage(at, message);
        }
    at.Skip(2); // a blank line, [Failed]
    ExpectMessage(at, s.events.Failed);
    at.Skip(3); // its button, a blank line, [END]
    Check(at.AtEnd());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    MissionSettings s;
    for (std::string* value :
         {&s.general.missionType, &s.general.title, &s.general.missionNumber,
          &s.general.moreGeysers, &s.general.randGeysers, &s.entryBox.QuoteTextBox,
          &s.entryBox.QuoteAuthorBox, &s.entryBox.BackgroundStoryBox, &s.player.myStartMoney,
          &s.player.myTech, &s.player.myAllyList})
        *value = Text(data);
    Fill(s.events.Succeeded, data);
    Fill(s.events.Failed, data);
    s.finish.NextMissionCheck = data.ConsumeBool();
    s.finish.MissionName = Text(data);
    std::size_t expected = 37 + (s.finish.NextMissionCheck ? 1 : 0);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        FillOpponent(s, side, data);
        for (int kind = 0; kind < kOpponentEventCount; ++kind) {
            EventMessage& message = s.events.of(side, OpponentEvent(kind));
            if (data.ConsumeBool())
                Fill(message, data);
            if (s.opponent(side).enabled && !(message.heading.empty() && message.text.empty()))
                expected += 3;
        }
        if (s.opponent(side).enabled)
            expected += 11;
    }

    MissionLines lines;
    BuildMissionLines(s, lines);
    Check(lines.size() == expected);
    Check(lines.front() == "[Header]" && lines.back() == "[END]");
    const std::string file = JoinLinesCrLf(lines);
    Check(file.size() >= 7 && file.compare(file.size() - 7, 7, "[END]\r\n") == 0);
    ExpectValuesInPlace(s, lines);
    return 0;
}
