#include "core/mission/MissionReader.h"

#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionFormat.h"
#include "core/text/Windows1252.h"

#include <algorithm>

namespace vornask {
namespace {

using Lines = std::vector<std::string_view>;

TextRange ColumnsOf(std::size_t line, std::size_t begin, std::size_t end) {
    return {{line, begin}, {line, end}};
}

// A button that begins a mission, "$Button=" + its label + ",MissionBegin," + the mission's
// name: the column where the name begins. A name may itself hold commas.
std::optional<std::size_t> MissionButtonTarget(std::string_view line) {
    constexpr std::string_view kButton = "$Button=";
    constexpr std::string_view kBegin = ",MissionBegin,";
    const std::size_t at = IndentOf(line);
    if (!StartsWithNoCase(line.substr(at), kButton))
        return std::nullopt;
    const std::size_t begin = FindNoCase(line, kBegin, at + kButton.size());
    if (begin == std::string_view::npos)
        return std::nullopt;
    return begin + kBegin.size();
}

std::string PageText(std::string_view line, const TextRange& range) {
    return WithControlsReplaced(
        line.substr(range.begin.column, range.end.column - range.begin.column));
}

class MissionFileReader {
public:
    MissionFileReader(const Lines& lines, MissionDocument& document, MissionSettings& settings)
        : lines_(lines), document_(document), settings_(settings) {}

    // False when the file has no header section, and so is no mission file.
    bool Read() {
        document_.sections = SplitSections(lines_);
        document_.headerSection = Find({SectionName(kHeaderHeader)});
        if (!document_.headerSection)
            return false;
        ReadHeader();
        ReadEntryBox();
        ReadSucceeded();
        document_.failed = ReadMessage(Find({SectionName(kFailedHeader)}), settings_.events.Failed);
        // The events of an opponent that takes no part are not shown; their sections stay.
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            for (int kind = 0; kind < kOpponentEventCount; ++kind) {
                EventMessage notShown;
                EventMessage& message = settings_.opponent(side).enabled
                                            ? settings_.events.of(side, OpponentEvent(kind))
                                            : notShown;
                document_.event(side, kind) =
                    ReadMessage(Find({OpponentKey(side, kOpponentEventNames.at(kind))}), message);
            }
        document_.endSection = Find({SectionName(kEndHeader)});
        return true;
    }

    // The game reads no further than the end's section.
    std::vector<FileLine> SectionStarts() const {
        std::vector<FileLine> starts =
            SectionStartsInTexts(lines_, document_.sections, IsOpenedByTheGame);
        if (document_.endSection)
            std::erase_if(starts, [this](const FileLine& line) {
                return line.number > document_.sections[*document_.endSection].header + 1;
            });
        return starts;
    }

private:
    // A section for one part of the file: never one read for another part already, as one
    // header line may name several ("[Header][Failed]").
    std::optional<std::size_t> Find(std::initializer_list<std::string_view> names) {
        const std::optional<std::size_t> found =
            FindSection(document_.sections, lines_, names, taken_);
        if (found)
            taken_.push_back(*found);
        return found;
    }

    const Section& SectionAt(std::size_t index) const { return document_.sections[index]; }

    void ReadHeader() {
        const std::vector<HeaderKey>& keys = HeaderKeys();
        document_.keys.assign(keys.size(), std::nullopt);
        const Section& header = SectionAt(*document_.headerSection);
        for (std::size_t i = header.BodyBegin(); i < header.end; ++i) {
            const std::optional<KeyLine> keyLine = ParseKeyLine(lines_[i]);
            if (!keyLine)
                continue;
            const std::optional<std::size_t> index = FindHeaderKey(keyLine->Key(lines_[i]));
            if (!index)
                continue;
            const HeaderKey& key = keys[*index];
            if (key.side != 0) {
                settings_.opponent(key.side).enabled = true;
                document_.opponentKeyLines[key.side - kFirstOpponent].push_back(i);
            }
            if (document_.keys[*index])
                continue;
            document_.keys[*index] = KeyPlace{i, *keyLine};
            if (key.field)
                *key.field(settings_, key.side) = PageForm(key, keyLine->Value(lines_[i]));
        }
        // A text the file does not have shows empty, not a new mission's placeholder.
        for (std::size_t index = 0; index < keys.size(); ++index) {
            const HeaderKey& key = keys[index];
            const bool shown = key.side == 0 || settings_.opponent(key.side).enabled;
            if (shown && key.kind == KeyValueKind::Text && !document_.keys[index] && key.field &&
                !key.ValueIn(MissionSettings{}).empty())
                key.field(settings_, key.side)->clear();
        }
    }

    void ReadEntryBox() {
        EntryBoxPlace& place = document_.entryBox;
        EntryBox& entry = settings_.entryBox;
        entry = {"", "", ""};
        place.section = Find({SectionName(kEntryBoxHeader)});
        if (!place.section)
            return;
        const Section& section = SectionAt(*place.section);
        SectionTexts read =
            ReadSectionTexts(lines_, section.BodyBegin(), section.end, {.quoteBlock = true});
        place.texts = read.places;
        if (place.texts.heading) {
            if (!document_.keys[TitleKey()])
                settings_.general.title = read.heading;
            place.headingIsTitle = read.heading == settings_.general.title;
        }
        entry = {std::move(read.quote), std::move(read.author), std::move(read.text)};
    }

    MessagePlace ReadMessage(std::optional<std::size_t> sectionIndex, EventMessage& message) {
        MessagePlace place;
        place.section = sectionIndex;
        if (!sectionIndex)
            return place;
        const Section& section = SectionAt(*sectionIndex);
        SectionTexts read = ReadSectionTexts(lines_, section.BodyBegin(), section.end);
        place.texts = read.places;
        place.held = {std::move(read.heading), std::move(read.text)};
        message = place.held;
        return place;
    }

    void ReadSucceeded() {
        const std::optional<std::size_t> index =
            Find({SectionName(kSucceededHeader), "BadTeamDead"});
        document_.succeeded = ReadMessage(index, settings_.events.Succeeded);
        if (!index)
            return;
        const Section& section = SectionAt(*index);
        std::optional<TextRange> button;
        for (std::size_t i = section.BodyBegin(); i < section.end; ++i) {
            const std::optional<std::size_t> target = MissionButtonTarget(lines_[i]);
            if (!target)
                continue;
            // The button the program writes, else the first that begins a mission.
            const bool written =
                StartsWithNoCase(lines_[i].substr(IndentOf(lines_[i])), kNextMissionButtonPrefix);
            if (!button || written)
                button = ColumnsOf(i, *target, lines_[i].size());
            if (written)
                break;
        }
        if (!button)
            return;
        document_.nextMissionName = button;
        settings_.finish.NextMissionCheck = true;
        settings_.finish.MissionName = PageText(lines_[button->begin.line], *button);
    }

    const Lines& lines_;
    MissionDocument& document_;
    MissionSettings& settings_;
    std::vector<std::size_t> taken_; // the sections read so far
};

std::size_t LineCount(std::string_view text) {
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

std::optional<Refusal> TextBoundsRefusal(const MissionSettings& settings) {
    std::size_t most = LineCount(settings.entryBox.BackgroundStoryBox);
    for (const EventMessage* message : {&settings.events.Succeeded, &settings.events.Failed})
        most = std::max(most, LineCount(message->text));
    for (const auto& events : settings.events.opponent)
        for (const EventMessage& message : events)
            most = std::max(most, LineCount(message.text));
    return TextLinesRefusal(most);
}

MissionFileReading ReadMissionFile(std::string_view bytes, TextDecoding decoding) {
    MissionFileReading reading;
    const FileText file(bytes, reading.report, decoding);
    if (reading.report.refusal)
        return reading;
    const Lines& lines = file.Lines();
    MissionDocument& document = reading.document;
    document.text = TextDocument(file.Text());
    MissionFileReader reader(lines, document, reading.settings);
    if (!reader.Read()) {
        reading.report.refusal = Refusal{RefusalReason::NoHeaderSection};
        reading.document = {};
        return reading;
    }
    reading.report.refusal = TextBoundsRefusal(reading.settings);
    if (reading.report.refusal)
        return reading;
    document.read = reading.settings;
    reading.report.sectionStarts = reader.SectionStarts();
    // Saving what was read must give the file back; if it ever did not, the user is told which
    // lines would change before anything is saved.
    const TextDocument saved = SaveIntoDocument(document, document.read);
    if (saved != document.text)
        reading.report.notKept = LinesNotKept(lines, saved.LineTexts());
    return reading;
}

} // namespace vornask
