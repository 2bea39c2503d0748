#include "core/mission/MissionDocument.h"

#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionWriter.h"

#include <algorithm>

namespace vornask {
namespace {

bool IsEmpty(const EventMessage& message) {
    return message.heading.empty() && message.text.empty();
}

class MissionSaver {
public:
    MissionSaver(const MissionDocument& document, const MissionSettings& now)
        : d_(document), read_(document.read), now_(now), lowerCaseKeys_(FileWritesLowerCaseKeys()) {
    }

    TextDocument Save() {
        SaveKeys();
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
            if (Takes(read_, side) && !Takes(now_, side))
                RemoveOpponent(side);
            if (!Takes(read_, side) && Takes(now_, side))
                AddOpponent(side);
        }
        SaveEntryBox();
        SaveSucceeded();
        SaveMessage(d_.failed, now_.events.Failed, WrittenSection::Failed);
        SaveEvents();
        return edits_.AppliedTo(d_.text);
    }

private:
    static bool Takes(const MissionSettings& s, int side) { return s.opponent(side).enabled; }

    const std::string& Line(std::size_t i) const { return d_.text.Line(i); }
    const Section& SectionAt(std::size_t index) const { return d_.sections[index]; }

    // Where a section's content ends: after its last line that is not blank.
    std::size_t ContentEnd(const Section& section) const {
        std::size_t end = section.BodyBegin();
        for (std::size_t i = section.BodyBegin(); i < section.end; ++i)
            if (!IsBlank(Line(i)))
                end = i + 1;
        return end;
    }

    // A file that writes its keys in lower case ("mystartmoney") gets new keys so too.
    bool FileWritesLowerCaseKeys() const {
        int lower = 0;
        int asWritten = 0;
        for (std::size_t k = 0; k < d_.keys.size(); ++k)
            if (d_.keys[k]) {
                const std::string_view written = d_.keys[k]->key.Key(Line(d_.keys[k]->line));
                const std::string& name = HeaderKeys()[k].name;
                asWritten += written == name;
                lower += written != name && written == LowerCase(written);
            }
        return lower > asWritten;
    }

    // A new key line takes the spacing and letter case of the file's; its value is quoted, as
    // the game reads every value.
    KeyLineStyle StyleOfKey(std::size_t k) const {
        KeyLineStyle style = StyleOf(Line(d_.keys[k]->line), d_.keys[k]->key);
        style.lowerCaseKeys = lowerCaseKeys_;
        style.quoted = true;
        return style;
    }

    // The style of the key line nearest to `k` in the writer's order, or the writer's own.
    KeyLineStyle StyleNear(std::size_t k) const {
        for (std::size_t distance = 0; distance < d_.keys.size(); ++distance) {
            if (k >= distance && d_.keys[k - distance])
                return StyleOfKey(k - distance);
            if (k + distance < d_.keys.size() && d_.keys[k + distance])
                return StyleOfKey(k + distance);
        }
        KeyLineStyle style;
        style.lowerCaseKeys = lowerCaseKeys_;
        return style;
    }

    // The way most key lines of the file are written, for a whole block of new ones.
    KeyLineStyle UsualStyle() const {
        std::vector<std::pair<KeyLineStyle, int>> counts;
        for (std::size_t k = 0; k < d_.keys.size(); ++k) {
            if (!d_.keys[k])
                continue;
            const KeyLineStyle style = StyleOfKey(k);
            auto found = std::find_if(counts.begin(), counts.end(),
                                      [&style](const auto& count) { return count.first == style; });
            if (found == counts.end())
                counts.push_back({style, 1});
            else
                ++found->second;
        }
        if (counts.empty())
            return StyleNear(0);
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    }

    void SaveKeys() {
        const std::vector<HeaderKey>& keys = HeaderKeys();
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const HeaderKey& key = keys[k];
            if (key.kind == KeyValueKind::Colour ||
                (key.side != 0 && !(Takes(read_, key.side) && Takes(now_, key.side))))
                continue;
            const std::string& value = key.ValueIn(now_);
            if (value == key.ValueIn(read_))
                continue;
            if (const std::optional<KeyPlace>& place = d_.keys[k]) {
                edits_.Replace(
                    {{place->line, place->key.valueBegin}, {place->line, place->key.valueEnd}},
                    ValueForKeyLine(value, place->key.quoted));
            } else {
                edits_.InsertLines(NewKeyLine(k), {FormatKeyLine(key.name, value, StyleNear(k))});
            }
        }
    }

    // Where the writer would put key `k`: after the key before it that the file has, or before
    // the key after it, among the keys of its own opponent (or of the mission).
    std::size_t NewKeyLine(std::size_t k) const {
        const std::vector<HeaderKey>& keys = HeaderKeys();
        for (std::size_t before = k; before-- > 0 && keys[before].side == keys[k].side;)
            if (d_.keys[before])
                return d_.keys[before]->line + 1;
        for (std::size_t after = k + 1; after < keys.size() && keys[after].side == keys[k].side;
             ++after)
            if (d_.keys[after])
                return d_.keys[after]->line;
        return SectionAt(*d_.headerSection).BodyBegin();
    }

    void AddOpponent(int side) {
        const std::vector<HeaderKey>& keys = HeaderKeys();
        std::vector<std::string> block;
        const KeyLineStyle style = UsualStyle();
        for (const HeaderKey& key : keys)
            if (key.side == side)
                block.push_back(FormatKeyLine(key.name, key.WrittenValue(now_), style));
        block.emplace_back();
        edits_.InsertLines(NewBlockLine(side), block);
    }

    // After the block of the opponent before it that the file has (and the blank line after
    // that block), before the block of the one after it, or at the end of "[Header]".
    std::size_t NewBlockLine(int side) const {
        const Section& header = SectionAt(*d_.headerSection);
        for (int before = side - 1; before >= kFirstOpponent; --before) {
            const std::vector<std::size_t>& lines = d_.opponentKeyLines[before - kFirstOpponent];
            if (lines.empty())
                continue;
            const std::size_t next = *std::max_element(lines.begin(), lines.end()) + 1;
            return next < header.end && IsBlank(Line(next)) ? next + 1 : next;
        }
        for (int after = side + 1; after <= kLastOpponent; ++after) {
            const std::vector<std::size_t>& lines = d_.opponentKeyLines[after - kFirstOpponent];
            if (!lines.empty())
                return *std::min_element(lines.begin(), lines.end());
        }
        return header.end;
    }

    // Its key lines go, and the blank line after them when they stand together as a block.
    void RemoveOpponent(int side) {
        std::vector<std::size_t> lines = d_.opponentKeyLines[side - kFirstOpponent];
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        if (lines.empty())
            return;
        for (std::size_t line : lines)
            edits_.RemoveLines(line, line + 1);
        const std::size_t after = lines.back() + 1;
        if (lines.back() - lines.front() + 1 == lines.size() &&
            after < SectionAt(*d_.headerSection).end && IsBlank(Line(after)))
            edits_.RemoveLines(after, after + 1);
    }

    void SaveEntryBox() {
        const EntryBoxPlace& place = d_.entryBox;
        const EntryBox& now = now_.entryBox;
        const EntryBox& read = read_.entryBox;
        const bool titleChanged = place.texts.heading && place.headingIsTitle &&
                                  now_.general.title != read_.general.title;
        if (now == read && !titleChanged)
            return;
        if (!place.section) {
            InsertSection(WrittenSection::EntryBox);
            return;
        }
        SectionTextSaver texts(edits_, d_.text, place.texts);
        if (titleChanged)
            texts.SaveHeading(now_.general.title);
        texts.SaveQuote(now.QuoteTextBox, now.QuoteAuthorBox, now.QuoteTextBox != read.QuoteTextBox,
                        now.QuoteAuthorBox != read.QuoteAuthorBox);
        texts.SaveText(now.BackgroundStoryBox, now.BackgroundStoryBox != read.BackgroundStoryBox);
    }

    void SaveSucceeded() {
        const bool nextChanged =
            now_.finish.NextMissionCheck != read_.finish.NextMissionCheck ||
            (now_.finish.NextMissionCheck && now_.finish.MissionName != read_.finish.MissionName);
        if (!d_.succeeded.section) {
            if (nextChanged || now_.events.Succeeded != read_.events.Succeeded)
                InsertSection(WrittenSection::Succeeded);
            return;
        }
        SaveMessage(d_.succeeded, now_.events.Succeeded, WrittenSection::Succeeded);
        if (nextChanged)
            SaveNextMission();
    }

    void SaveNextMission() {
        const FinishOptions& now = now_.finish;
        if (!now.NextMissionCheck) {
            edits_.RemoveLines(*d_.NextMissionLine(), *d_.NextMissionLine() + 1);
        } else if (d_.NextMissionLine()) {
            edits_.Replace(*d_.nextMissionName, now.MissionName);
        } else {
            edits_.InsertLines(NewNextMissionLine(),
                               {std::string(kNextMissionButtonPrefix) + now.MissionName});
        }
    }

    // After the button to leave the missions, or after the completion flag, as the writer puts it.
    std::size_t NewNextMissionLine() const {
        const Section& section = SectionAt(*d_.succeeded.section);
        for (std::string_view start :
             {std::string_view("$Button=Leave Missions"), std::string_view("<$Config")})
            for (std::size_t i = section.end; i-- > section.BodyBegin();)
                if (StartsWithNoCase(std::string_view(Line(i)).substr(IndentOf(Line(i))), start))
                    return i + 1;
        return ContentEnd(section);
    }

    void SaveEvents() {
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            for (int kind = 0; kind < kOpponentEventCount; ++kind) {
                const MessagePlace& place = d_.event(side, kind);
                if (!Takes(now_, side)) {
                    if (Takes(read_, side) && place.section)
                        RemoveSection(SectionAt(*place.section));
                    continue;
                }
                SaveMessage(place, now_.events.of(side, static_cast<OpponentEvent>(kind)),
                            WrittenSection::Event, side, kind);
            }
    }

    // What the user typed replaces what the section holds: what the page showed, or for an
    // opponent that took no part, the message the page did not show.
    void SaveMessage(const MessagePlace& place, const EventMessage& now, WrittenSection kind,
                     int side = 0, int eventKind = 0) {
        const EventMessage& held = place.held;
        if (now == held)
            return;
        if (!place.section) {
            if (!IsEmpty(now) || kind != WrittenSection::Event)
                InsertSection(kind, side, eventKind);
            return;
        }
        const Section& section = SectionAt(*place.section);
        // An event without a message is not written: its section goes when it held no more.
        if (kind == WrittenSection::Event && IsEmpty(now) && HoldsOnlyItsMessage(section, place)) {
            RemoveSection(section);
            return;
        }
        SectionTextSaver texts(edits_, d_.text, place.texts);
        if (now.heading != held.heading)
            texts.SaveHeading(now.heading);
        texts.SaveText(now.text, now.text != held.text);
    }

    bool HoldsOnlyItsMessage(const Section& section, const MessagePlace& place) const {
        std::vector<bool> its(section.end - section.header, false);
        if (place.texts.heading)
            its[place.texts.heading->line - section.header] = true;
        if (place.texts.text)
            for (const TextPiece& piece : place.texts.text->pieces)
                its[piece.line - section.header] = true;
        for (std::size_t i = section.BodyBegin(); i < section.end; ++i)
            if (!IsBlank(Line(i)) && !its[i - section.header])
                return false;
        return true;
    }

    // The header and everything up to its last line that is not blank: the blank lines after
    // it belong to the file's layout.
    void RemoveSection(const Section& section) {
        edits_.RemoveLines(section.header, std::max(ContentEnd(section), section.header + 1));
    }

    // The first header line among the sections that exist, or the end of the file.
    std::size_t BeforeFirstOf(std::initializer_list<std::optional<std::size_t>> sections,
                              bool events) const {
        std::size_t line = d_.text.LineCount();
        for (const std::optional<std::size_t>& section : sections)
            if (section)
                line = std::min(line, SectionAt(*section).header);
        if (events)
            for (const auto& opponent : d_.events)
                for (const MessagePlace& place : opponent)
                    if (place.section)
                        line = std::min(line, SectionAt(*place.section).header);
        return line;
    }

    void InsertSection(WrittenSection kind, int side = kFirstOpponent, int eventKind = 0) {
        std::size_t line = d_.text.LineCount();
        switch (kind) {
        case WrittenSection::EntryBox:
            line = BeforeFirstOf({d_.succeeded.section, d_.failed.section, d_.endSection}, true);
            break;
        case WrittenSection::Succeeded:
            line = BeforeFirstOf({d_.failed.section, d_.endSection}, true);
            break;
        case WrittenSection::Failed:
            line = BeforeFirstOf({d_.endSection}, false);
            break;
        case WrittenSection::Event:
            line = NewEventLine(side, eventKind);
            break;
        }
        edits_.InsertLines(line, MissionSectionLines(now_, kind, side, eventKind));
    }

    // After the event section before it that the file has, before the one after it, after the
    // success section and the blank line that closes it, or before the failure section and the
    // blank line before it: where the writer puts the opponents' events.
    std::size_t NewEventLine(int side, int kind) const {
        std::optional<std::size_t> after;
        std::optional<std::size_t> before;
        for (int s = kFirstOpponent; s <= kLastOpponent; ++s)
            for (int k = 0; k < kOpponentEventCount; ++k) {
                const MessagePlace& place = d_.event(s, k);
                if (!place.section)
                    continue;
                const bool earlier = s < side || (s == side && k < kind);
                if (earlier)
                    after = ContentEnd(SectionAt(*place.section));
                else if (!before && (s != side || k != kind))
                    before = SectionAt(*place.section).header;
            }
        if (after)
            return *after;
        if (before)
            return *before;
        if (d_.succeeded.section) {
            const Section& succeeded = SectionAt(*d_.succeeded.section);
            const std::size_t end = ContentEnd(succeeded);
            return end < succeeded.end && IsBlank(Line(end)) ? end + 1 : end;
        }
        if (d_.failed.section) {
            const std::size_t header = SectionAt(*d_.failed.section).header;
            return header > 0 && IsBlank(Line(header - 1)) ? header - 1 : header;
        }
        return BeforeFirstOf({d_.endSection}, false);
    }

    const MissionDocument& d_;
    const MissionSettings& read_;
    const MissionSettings& now_;
    const bool lowerCaseKeys_;
    DocumentEdits edits_;
};

} // namespace

TextDocument SaveIntoDocument(const MissionDocument& document, const MissionSettings& settings) {
    return MissionSaver(document, settings).Save();
}

} // namespace vornask
