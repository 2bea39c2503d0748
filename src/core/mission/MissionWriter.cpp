#include "core/mission/MissionWriter.h"

#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionFormat.h"
#include "core/text/SectionText.h"

namespace vornask {
namespace {

// Each line is built in one string of the right size: joining its parts with + would build a new
// string for every part (docs/DEVELOPING.md has the writers' figures).
class LineSink {
public:
    explicit LineSink(MissionLines& lines) : lines_(lines) {}

    void line(std::string_view text) { lines_.emplace_back(text); }
    void line(std::string&& text) { lines_.push_back(std::move(text)); }
    void line(std::initializer_list<std::string_view> parts) {
        std::size_t size = 0;
        for (std::string_view part : parts)
            size += part.size();
        std::string text;
        text.reserve(size);
        for (std::string_view part : parts)
            text.append(part);
        lines_.push_back(std::move(text));
    }
    void blank() { lines_.emplace_back(); }
    // `prefix` + `name` is the key: "ai3" and "Name" give "ai3Name".
    void key(std::string_view prefix, std::string_view name, std::string_view value) {
        line({prefix, name, " = \"", value, "\""});
    }
    void key(std::string_view name, std::string_view value) { key("", name, value); }
    void message(const EventMessage& message) {
        line(HeadingLine(message.heading));
        line(ParagraphLine(message.text));
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

// The opponent's keys as the table of the header's keys lists them.
void WriteOpponentBlock(const MissionSettings& s, int side, LineSink& out) {
    for (const HeaderKey& key : HeaderKeys())
        if (key.side == side)
            out.key(key.name, key.WrittenValue(s));
    out.blank();
}

void WriteEntryBox(const MissionSettings& s, LineSink& out) {
    out.line(kEntryBoxHeader);
    out.line(HeadingLine(s.general.title));
    out.line(QuoteLine(s.entryBox.QuoteTextBox));
    out.line(AuthorLine(s.entryBox.QuoteAuthorBox));
    out.line(ParagraphLine(s.entryBox.BackgroundStoryBox));
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
        out.line({kNextMissionButtonPrefix, s.finish.MissionName});
    out.blank();
}

void WriteEvent(const MissionSettings& s, int side, int kind, LineSink& out) {
    out.line(EventSectionHeader(side, kind));
    out.message(s.events.of(side, static_cast<OpponentEvent>(kind)));
}

void WriteOpponentEvents(const MissionSettings& s, int side, LineSink& out) {
    for (int kind = 0; kind < kOpponentEventCount; ++kind) {
        const EventMessage& message = s.events.of(side, static_cast<OpponentEvent>(kind));
        if (!message.heading.empty() || !message.text.empty())
            WriteEvent(s, side, kind, out);
    }
}

void WriteFailed(const MissionSettings& s, LineSink& out) {
    out.line(kFailedHeader);
    out.message(s.events.Failed);
    out.line(kContinueButton);
    out.blank();
}

} // namespace

void BuildMissionLines(const MissionSettings& settings, MissionLines& lines) {
    constexpr std::size_t kLongestFile = 220;
    lines.reserve(lines.size() + kLongestFile);
    LineSink out(lines);
    WriteHeader(settings, out);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (settings.opponent(side).enabled)
            WriteOpponentBlock(settings, side, out);
    out.line(kOptionsHeader);
    out.blank();
    WriteEntryBox(settings, out);
    WriteSucceeded(settings, out);
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (settings.opponent(side).enabled)
            WriteOpponentEvents(settings, side, out);
    out.blank();
    WriteFailed(settings, out);
    out.line(kEndHeader);
}

MissionLines MissionSectionLines(const MissionSettings& settings, WrittenSection section, int side,
                                 int kind) {
    MissionLines lines;
    LineSink out(lines);
    switch (section) {
    case WrittenSection::EntryBox:
        WriteEntryBox(settings, out);
        break;
    case WrittenSection::Succeeded:
        WriteSucceeded(settings, out);
        break;
    case WrittenSection::Event:
        WriteEvent(settings, side, kind, out);
        break;
    case WrittenSection::Failed:
        WriteFailed(settings, out);
        break;
    }
    return lines;
}

} // namespace vornask
