#include "core/mission/MissionReader.h"

#include "core/mission/AdvancedAITables.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionWriter.h"
#include "core/mission/TechAllyEncoding.h"
#include "core/text/SpinValue.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace vornask {
namespace {

// The sections, numbered in the order of the file.
constexpr int kHeaderSection = 0;
constexpr int kOptionsSection = 1;
constexpr int kEntryBoxSection = 2;
constexpr int kSucceededSection = 3;
constexpr int kFirstEventSection = 4;
constexpr int kFailedSection = kFirstEventSection + kOpponentCount * kOpponentEventCount;
constexpr int kEndSection = kFailedSection + 1;
constexpr int kSectionCount = kEndSection + 1;
constexpr int kNoSection = kSectionCount; // what follows the last line

int EventSection(int side, int kind) {
    return kFirstEventSection + (side - kFirstOpponent) * kOpponentEventCount + kind;
}
bool IsEventSection(int section) {
    return section >= kFirstEventSection && section < kFailedSection;
}
int SideOfEvent(int section) {
    return kFirstOpponent + (section - kFirstEventSection) / kOpponentEventCount;
}
int KindOfEvent(int section) {
    return (section - kFirstEventSection) % kOpponentEventCount;
}
// The sections that end in a text running over any number of lines.
bool HoldsText(int section) {
    return section >= kEntryBoxSection && section <= kFailedSection;
}

const std::unordered_map<std::string_view, int>& SectionsByHeader() {
    static const std::array<std::string, kSectionCount> headers = [] {
        std::array<std::string, kSectionCount> h;
        h[kHeaderSection] = kHeaderHeader;
        h[kOptionsSection] = kOptionsHeader;
        h[kEntryBoxSection] = kEntryBoxHeader;
        h[kSucceededSection] = kSucceededHeader;
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            for (int kind = 0; kind < kOpponentEventCount; ++kind)
                h[EventSection(side, kind)] = EventSectionHeader(side, kind);
        h[kFailedSection] = kFailedHeader;
        h[kEndSection] = kEndHeader;
        return h;
    }();
    static const std::unordered_map<std::string_view, int> sections = [] {
        std::unordered_map<std::string_view, int> map;
        for (int section = 0; section < kSectionCount; ++section)
            map.emplace(headers[section], section);
        return map;
    }();
    return sections;
}

std::optional<int> SectionOfHeader(std::string_view line) {
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto found = SectionsByHeader().find(line);
    return found == SectionsByHeader().end() ? std::nullopt : std::optional(found->second);
}

// The sections with a fixed ending after their text, and the line that ending starts with.
constexpr std::pair<int, std::string_view> kEndingMarkers[] = {
    {kEntryBoxSection, kReviewKnowledgeButton},
    {kSucceededSection, kDoneConfigLine},
    {kFailedSection, kContinueButton},
};

// How one key of "[Header]" reaches the settings.
struct KeyEntry {
    int side = 0;   // the opponent the key belongs to; 0 for the others
    int option = 0; // the advanced option, for the advanced keys
    // The field the value goes into; none for the colour, which is the slot's own.
    std::string* (*field)(MissionSettings&, const KeyEntry&) = nullptr;
    // Whether the pages can hold `value` in this field and give it back unchanged.
    bool (*usable)(const KeyEntry&, std::string_view value) = nullptr;
};

using Entry = const KeyEntry&;
using Value = std::string_view;

bool AnyText(Entry, Value) {
    return true;
}
bool Flag(Entry, Value v) {
    return v == "1" || v == "0";
}
bool MissionNumber(Entry, Value v) {
    return IsSpinText(v, kMinMissionNumber, kMaxMissionNumber);
}
bool Money(Entry, Value v) {
    return IsSpinText(v, 0, kMaxStartMoney);
}
bool Tech(Entry, Value v) {
    return TechChoiceOf(v).has_value();
}
bool Allies(Entry e, Value v) {
    return AllyTicksOf(v, e.side == 0 ? 1 : e.side).has_value();
}
bool OwnColour(Entry e, Value v) {
    return v == kOpponentColours.at(e.side - kFirstOpponent);
}
// What GetAbility gives for some flags: "!" + name + ";" for abilities off, in their order.
bool AbilityValue(Value v) {
    for (const Ability& ability : Abilities()) {
        const std::string_view name = ability.name;
        if (v.starts_with('!') && v.substr(1).starts_with(name) &&
            v.substr(1 + name.size()).starts_with(';'))
            v.remove_prefix(name.size() + 2);
    }
    return v.empty();
}
bool AdvancedValue(Entry e, Value v) {
    if (e.option == kAbilityOption)
        return AbilityValue(v);
    const std::vector<const char*>& offered = AdvancedOptions()[e.option].values;
    return v.empty() || std::find(offered.begin(), offered.end(), v) != offered.end();
}

using KeyTable = std::vector<std::pair<std::string, KeyEntry>>;
using Field = std::string*;
using S = MissionSettings&;

void AddGeneralKeys(KeyTable& keys) {
    keys.push_back({"missionType",
                    {0, 0, [](S s, Entry) -> Field { return &s.general.missionType; }, AnyText}});
    keys.push_back(
        {"missionNumber",
         {0, 0, [](S s, Entry) -> Field { return &s.general.missionNumber; }, MissionNumber}});
    keys.push_back(
        {"moreGeysers", {0, 0, [](S s, Entry) -> Field { return &s.general.moreGeysers; }, Flag}});
    keys.push_back(
        {"randGeysers", {0, 0, [](S s, Entry) -> Field { return &s.general.randGeysers; }, Flag}});
    keys.push_back({"myStartMoney",
                    {0, 0, [](S s, Entry) -> Field { return &s.player.myStartMoney; }, Money}});
    keys.push_back({"myTech", {0, 0, [](S s, Entry) -> Field { return &s.player.myTech; }, Tech}});
    keys.push_back(
        {"myAllyList", {0, 0, [](S s, Entry) -> Field { return &s.player.myAllyList; }, Allies}});
    keys.push_back(
        {"title", {0, 0, [](S s, Entry) -> Field { return &s.general.title; }, AnyText}});
}

void AddOpponentKeys(KeyTable& keys, int side) {
    keys.push_back(
        {OpponentKey(side, "Name"),
         {side, 0, [](S s, Entry e) -> Field { return &s.opponent(e.side).name; }, AnyText}});
    keys.push_back(
        {OpponentKey(side, "Tech"),
         {side, 0, [](S s, Entry e) -> Field { return &s.opponent(e.side).tech; }, Tech}});
    keys.push_back(
        {OpponentKey(side, "StartMoney"),
         {side, 0, [](S s, Entry e) -> Field { return &s.opponent(e.side).startMoney; }, Money}});
    keys.push_back(
        {OpponentKey(side, "AllyList"),
         {side, 0, [](S s, Entry e) -> Field { return &s.opponent(e.side).allyList; }, Allies}});
    keys.push_back({OpponentKey(side, "Color"), {side, 0, nullptr, OwnColour}});
    for (int option = 0; option < kAdvancedOptionCount; ++option)
        keys.push_back({OpponentKey(side, AdvancedOptions()[option].name),
                        {side, option,
                         [](S s, Entry e) -> Field {
                             return &(s.advancedOf(e.side).*AdvancedOptions()[e.option].slot);
                         },
                         AdvancedValue}});
}

// Every key of "[Header]", with a look-up by name into it.
struct Keys {
    KeyTable table;
    std::unordered_map<std::string_view, std::size_t> index;
    std::size_t title = 0;
};

const Keys& HeaderKeys() {
    static const Keys keys = [] {
        Keys k;
        AddGeneralKeys(k.table);
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            AddOpponentKeys(k.table, side);
        for (std::size_t i = 0; i < k.table.size(); ++i)
            k.index.emplace(k.table[i].first, i);
        k.title = k.index.at("title");
        return k;
    }();
    return keys;
}

bool HasHeadingShape(std::string_view line) {
    return HeadingText(line).has_value();
}
bool StartsText(std::string_view line) {
    return line.starts_with("<p>");
}
bool IsNextMissionButton(std::string_view line) {
    return line.starts_with(kNextMissionButtonPrefix);
}

// One pass over the file's lines from "[Header]" on: each line either starts a section or
// belongs to the one it stands in; each section is read when the next one starts.
class MissionFileReader {
public:
    MissionFileReader(const std::vector<std::string_view>& lines, std::size_t headerLine)
        : lines_(lines), keyTaken_(HeaderKeys().table.size(), false) {
        cuts_.push_back({kHeaderSection, headerLine});
    }

    // Reads the file once; the reader is spent afterwards but for DoubtfulHeaders.
    MissionSettings Read() {
        for (std::size_t i = cuts_.front().line + 1; i < lines_.size(); ++i) {
            const std::optional<int> section = SectionOfHeader(lines_[i]);
            NoteLandmarks(i, section);
            if (section && MayStartAt(*section, i)) {
                FinishSection(i, *section);
                cuts_.push_back({*section, i});
            } else if (cuts_.back().section == kHeaderSection) {
                ReadKeyLine(lines_[i]);
            }
        }
        FinishSection(lines_.size(), kNoSection);
        if (!keyTaken_[HeaderKeys().title] && entryBoxTitle_)
            settings_.general.title = *entryBoxTitle_;
        return std::move(settings_);
    }

    // The header lines at which a text was ended although the rest of the file shows that
    // the text may have gone on: the same header comes again further down, a section that
    // every file has and that the cut passed over comes later, or the fixed ending of the
    // section it closed comes later.
    std::vector<FileLine> DoubtfulHeaders() const {
        std::vector<FileLine> doubtful;
        for (std::size_t k = 1; k < cuts_.size(); ++k) {
            const int closed = cuts_[k - 1].section;
            const Cut& cut = cuts_[k];
            if (HoldsText(closed) &&
                (lastHeaderLine_[cut.section] > cut.line ||
                 PassedOverSectionComesLater(closed, cut) ||
                 (!endingFound_[closed] && lastEndingLine_[closed] > cut.line)))
                doubtful.push_back({cut.line + 1, std::string(lines_[cut.line])});
        }
        return doubtful;
    }

private:
    struct Cut {
        int section;
        std::size_t line;
    };

    // Where headers (with their message below them, for event sections) and the lines that
    // start a fixed ending last stand; 0 for none, as they all stand after "[Header]".
    void NoteLandmarks(std::size_t i, std::optional<int> section) {
        if (section && (!IsEventSection(*section) || HasMessageBelow(i)))
            lastHeaderLine_[*section] = i;
        for (const auto& [text, marker] : kEndingMarkers)
            if (lines_[i] == marker)
                lastEndingLine_[text] = i;
    }

    bool PassedOverSectionComesLater(int closed, const Cut& cut) const {
        for (int always : {kSucceededSection, kFailedSection})
            if (closed < always && always < cut.section && lastHeaderLine_[always] > cut.line)
                return true;
        return false;
    }

    // A header starts its section when the section may still follow the current one; an
    // opponent's event section also needs its opponent enabled and its message below it.
    bool MayStartAt(int section, std::size_t i) const {
        if (section <= cuts_.back().section)
            return false;
        return !IsEventSection(section) ||
               (settings_.opponent(SideOfEvent(section)).enabled && HasMessageBelow(i));
    }

    bool HasMessageBelow(std::size_t header) const {
        return header + 2 < lines_.size() && HasHeadingShape(lines_[header + 1]) &&
               StartsText(lines_[header + 2]);
    }

    void ReadKeyLine(std::string_view line) {
        const std::optional<KeyLine> keyLine = ParseKeyLine(line);
        if (!keyLine)
            return;
        const auto found = HeaderKeys().index.find(keyLine->key);
        if (found == HeaderKeys().index.end())
            return;
        const KeyEntry& entry = HeaderKeys().table[found->second].second;
        if (entry.side != 0)
            settings_.opponent(entry.side).enabled = true;
        if (keyTaken_[found->second] || !entry.usable(entry, keyLine->value))
            return;
        keyTaken_[found->second] = true;
        if (entry.field)
            entry.field(settings_, entry)->assign(keyLine->value);
    }

    void FinishSection(std::size_t end, int next) {
        const Cut& cut = cuts_.back();
        const std::size_t begin = cut.line + 1;
        // The blank line before "[Failed]" belongs to no message.
        const std::size_t beforeFailed =
            next == kFailedSection && end > begin && lines_[end - 1].empty() ? end - 1 : end;
        if (cut.section == kEntryBoxSection)
            ReadEntryBox(begin, end);
        else if (cut.section == kSucceededSection)
            ReadSucceeded(begin, beforeFailed);
        else if (IsEventSection(cut.section))
            settings_.events.of(SideOfEvent(cut.section),
                                static_cast<OpponentEvent>(KindOfEvent(cut.section))) =
                ReadMessage(begin, beforeFailed);
        else if (cut.section == kFailedSection)
            ReadFailed(begin, end);
    }

    template <class Test>
    std::size_t FirstLine(std::size_t begin, std::size_t end, Test test) const {
        return vornask::FirstLine(lines_, begin, end, test);
    }

    // Whether the lines up to `end` finish with `ending`, all of them after `from`.
    bool EndsWith(std::size_t from, std::size_t end,
                  std::initializer_list<std::string_view> ending) const {
        if (end < from + ending.size())
            return false;
        return std::equal(ending.begin(), ending.end(), lines_.begin() + (end - ending.size()));
    }

    // Where a section's text ends: before its fixed ending when the section finishes with it,
    // otherwise at the first line of the ending that it holds (the ending was cut off).
    template <class IsEndingLine>
    std::size_t TextEnd(int section, std::size_t begin, std::size_t end, std::size_t endingSize,
                        bool endsWithEnding, IsEndingLine isEndingLine) {
        endingFound_[section] = endsWithEnding;
        if (endsWithEnding)
            return end - endingSize;
        return FirstLine(TextBound(begin, end), end, isEndingLine);
    }

    // Nothing before a text's first line can belong to its ending.
    std::size_t TextBound(std::size_t begin, std::size_t end) const {
        const std::size_t text = FirstLine(begin, end, StartsText);
        return text < end ? text + 1 : begin;
    }

    EventMessage ReadMessage(std::size_t begin, std::size_t end) const {
        EventMessage message;
        const std::size_t text = FirstLine(begin, end, StartsText);
        const std::size_t heading = FirstLine(begin, text, HasHeadingShape);
        if (heading < text)
            message.heading = *HeadingText(lines_[heading]);
        if (text < end)
            message.text = JoinedText(lines_[text].substr(3), lines_, text + 1, end);
        return message;
    }

    void ReadEntryBox(std::size_t begin, std::size_t end) {
        const std::size_t story = FirstLine(begin, end, StartsText);
        ReadEntryBoxLines(begin, story);
        if (story == end)
            return;
        const bool endsWithEnding =
            EndsWith(story + 1, end, {"", kReviewKnowledgeButton, kPlayMissionButton, ""});
        std::size_t storyEnd =
            TextEnd(kEntryBoxSection, begin, end, 4, endsWithEnding, [](std::string_view line) {
                return line == kReviewKnowledgeButton || line == kPlayMissionButton;
            });
        if (!endsWithEnding && storyEnd > story + 1 && lines_[storyEnd - 1].empty())
            --storyEnd;
        settings_.entryBox.BackgroundStoryBox =
            JoinedText(lines_[story].substr(3), lines_, story + 1, storyEnd);
    }

    // The heading, quote and author lines before the story, the first of each shape.
    void ReadEntryBoxLines(std::size_t begin, std::size_t end) {
        std::optional<std::string_view> quote;
        std::optional<std::string_view> author;
        for (std::size_t i = begin; i < end; ++i) {
            if (!entryBoxTitle_)
                entryBoxTitle_ = HeadingText(lines_[i]);
            if (!quote)
                quote = Between(lines_[i], "<i>", "<br>");
            if (!author)
                author = Between(lines_[i], "--", "</i>");
        }
        if (quote)
            settings_.entryBox.QuoteTextBox = *quote;
        if (author)
            settings_.entryBox.QuoteAuthorBox = *author;
    }

    void ReadSucceeded(std::size_t begin, std::size_t end) {
        const std::size_t bound = TextBound(begin, end);
        const bool withNext = end >= 2 && end - 2 >= bound && IsNextMissionButton(lines_[end - 2]);
        const std::size_t endingSize = withNext ? 4 : 3;
        const bool endsWithEnding =
            EndsWith(bound, end - (withNext ? 2 : 1), {kDoneConfigLine, kLeaveMissionsButton}) &&
            EndsWith(bound, end, {""});
        const std::size_t textEnd = TextEnd(
            kSucceededSection, begin, end, endingSize, endsWithEnding, [](std::string_view line) {
                return line == kDoneConfigLine || line == kLeaveMissionsButton ||
                       IsNextMissionButton(line);
            });
        const std::size_t next = FirstLine(textEnd, end, IsNextMissionButton);
        if (next < end) {
            settings_.finish.NextMissionCheck = true;
            settings_.finish.MissionName = lines_[next].substr(kNextMissionButtonPrefix.size());
        }
        settings_.events.Succeeded = ReadMessage(begin, textEnd);
    }

    void ReadFailed(std::size_t begin, std::size_t end) {
        const bool endsWithEnding = EndsWith(TextBound(begin, end), end, {kContinueButton, ""});
        const std::size_t textEnd =
            TextEnd(kFailedSection, begin, end, 2, endsWithEnding,
                    [](std::string_view line) { return line == kContinueButton; });
        settings_.events.Failed = ReadMessage(begin, textEnd);
    }

    const std::vector<std::string_view>& lines_;
    MissionSettings settings_;
    std::vector<Cut> cuts_;
    std::vector<bool> keyTaken_;
    std::optional<std::string_view> entryBoxTitle_;
    std::array<bool, kSectionCount> endingFound_{};
    std::array<std::size_t, kSectionCount> lastHeaderLine_{};
    std::array<std::size_t, kSectionCount> lastEndingLine_{};
};

// Two lists of lines in file order as one, each line once.
std::vector<FileLine> Merged(std::vector<FileLine> a, const std::vector<FileLine>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end(),
              [](const FileLine& x, const FileLine& y) { return x.number < y.number; });
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

} // namespace

MissionFileReading ReadMissionFile(std::string_view bytes, TextDecoding decoding) {
    MissionFileReading reading;
    const FileText file(bytes, reading.report, decoding);
    const std::optional<std::size_t> header =
        file.FindSection(kHeaderHeader, RefusalReason::NoHeaderSection, reading.report);
    if (!header)
        return reading;
    const std::vector<std::string_view>& lines = file.Lines();
    MissionFileReader reader(lines, *header);
    reading.settings = reader.Read();
    MissionLines saved;
    BuildMissionLines(reading.settings, saved);
    reading.report.notKept = Merged(LinesNotKept(lines, saved), reader.DoubtfulHeaders());
    return reading;
}

} // namespace vornask
