// Random mission settings through the writer: the line count follows from the enabled
// opponents and their messages, and the file always opens and closes as the game expects.
#include "Check.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    MissionSettings s;
    s.general.title = Text(data);
    s.entryBox.BackgroundStoryBox = Text(data);
    s.player.myTech = Text(data);
    Fill(s.events.Succeeded, data);
    Fill(s.events.Failed, data);
    s.finish.NextMissionCheck = data.ConsumeBool();
    s.finish.MissionName = Text(data);
    std::size_t expected = 37 + (s.finish.NextMissionCheck ? 1 : 0);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        s.opponent(side).enabled = data.ConsumeBool();
        s.opponent(side).name = Text(data);
        s.advancedOf(side).Ability = Text(data);
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
    return 0;
}
