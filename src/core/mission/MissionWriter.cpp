#include "core/mission/MissionWriter.h"

#include "core/mission/MissionFormat.h"

namespace vornask {
namespace {

class LineSink {
public:
    explicit LineSink(MissionLines& lines) : lines_(lines) {}

    void line(std::string text) { lines_.push_back(std::move(text)); }
    void line(std::string_view text) { lines_.emplace_back(text); }
    void blank() { lines_.emplace_back(); }
    void key(const std::string& name, const std::string& value) {
        line(name + " = \"" + value + "\"");
    }
    void message(const EventMessage& message) {
        line("<h2>" + message.heading + "</h2>");
        line("<p>" + message.text);
    }

private:
    MissionLines& lines_;
};

void WriteHeader(const MissionSettings& s, LineSink& out) {
    out.line(kHeaderHeader);
    out.key("missionType", s.general.missionType);
    out.blank();
    out.key("missionNumber", s.general.missionNumber);
    out.key("moreGeysers", s.general.moreGeysers);
    out.key("randGeysers", s.general.randGeysers);
    out.blank();
    out.key("myStartMoney", s.player.myStartMoney);
    out.key("myTech", s.player.myTech);
    out.key("myAllyList", s.player.myAllyList);
    out.blank();
    out.key("title", s.general.title);
    out.blank();
}

void WriteOpponentBlock(const MissionSettings& s, int side, LineSink& out) {
    const Opponent& ai = s.opponent(side);
    const AdvancedValues& adv = s.advancedOf(side);
    out.key(OpponentKey(side, "Name"), ai.name);
    out.key(OpponentKey(side, "Tech"), ai.tech);
    out.key(OpponentKey(side, "StartMoney"), ai.startMoney);
    out.key(OpponentKey(side, "AllyList"), ai.allyList);
    out.key(OpponentKey(side, "Color"), kOpponentColours.at(side - kFirstOpponent));
    out.key(OpponentKey(side, "Collectors"), adv.Collectors);
    out.key(OpponentKey(side, "BridgeDrawRate"), adv.BridgeDrawRate);
    out.key(OpponentKey(side, "GeyserAttachments"), adv.GeyserAttachments);
    out.key(OpponentKey(side, "TimeBetweenMoves"), adv.TimeBetweenMoves);
    out.key(OpponentKey(side, "Ability"), adv.Ability);
    out.blank();
}

void WriteEntryBox(const MissionSettings& s, LineSink& out) {
    out.line(kOptionsHeader);
    out.blank();
    out.line(kEntryBoxHeader);
    out.line("<h2>" + s.general.title + "</h2>");
    out.line("<i>" + s.entryBox.QuoteTextBox + "<br>");
    out.line("--" + s.entryBox.QuoteAuthorBox + "</i>");
    out.line("<p>" + s.entryBox.BackgroundStoryBox);
    out.blank();
    out.line(kReviewKnowledgeButton);
    out.line(kPlayMissionButton);
    out.blank();
}

void WriteSucceeded(const MissionSettings& s, LineSink& out) {
    out.line(kSucceededHeader);
    out.message(s.events.Succeeded);
    out.line(kDoneConfigLine);
    out.line(kLeaveMissionsButton);
    if (s.finish.NextMissionCheck)
        out.line(std::string(kNextMissionButtonPrefix) + s.finish.MissionName);
    out.blank();
}

void WriteOpponentEvents(const MissionSettings& s, int side, LineSink& out) {
    for (int kind = 0; kind < kOpponentEventCount; ++kind) {
        const EventMessage& message = s.events.of(side, static_cast<OpponentEvent>(kind));
        if (message.heading.empty() && message.text.empty())
            continue;
        out.line(EventSectionHeader(side, kind));
        out.message(message);
    }
}

void WriteFailedAndEnd(const MissionSettings& s, LineSink& out) {
    out.blank();
    out.line(kFailedHeader);
    out.message(s.events.Failed);
    out.line(kContinueButton);
    out.blank();
    out.line(kEndHeader);
}

} // namespace

void BuildMissionLines(const MissionSettings& settings, MissionLines& lines) {
    LineSink out(lines);
    WriteHeader(settings, out);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (settings.opponent(side).enabled)
            WriteOpponentBlock(settings, side, out);
    WriteEntryBox(settings, out);
    WriteSucceeded(settings, out);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (settings.opponent(side).enabled)
            WriteOpponentEvents(settings, side, out);
    WriteFailedAndEnd(settings, out);
}

} // namespace vornask
