#include "core/campaign/CampaignReader.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <algorithm>

namespace vornask {
namespace {

using Lines = std::vector<std::string_view>;

struct ReadRow {
    RowPlace place;
    CampaignMission row;
    std::string condition; // a mission's, as written
};

// The column of "$Checked=" when `line` is a row of the menu: after the line's indent and the
// conditions that open before the row.
std::optional<std::size_t> RowStart(std::string_view line) {
    std::size_t at = IndentOf(line);
    while (line.substr(at).starts_with(kConditionStart)) {
        const std::size_t close = line.find('>', at);
        if (close == std::string_view::npos)
            return std::nullopt;
        at = close + 1 + IndentOf(line.substr(close + 1));
    }
    if (!StartsWithNoCase(line.substr(at), kMissionLineStart))
        return std::nullopt;
    return at;
}

// Where the row that starts at `rowBegin` ends: before the conditions that close after it and
// the spaces before them; at the line's end when none close there.
std::size_t RowEnd(std::string_view line, std::size_t rowBegin) {
    const std::size_t shortest = rowBegin + kMissionLineStart.size();
    std::size_t end = line.size();
    for (std::string_view before = TrimmedEnd(line);
         before.size() >= shortest + kConditionEnd.size() && before.ends_with(kConditionEnd);
         before = TrimmedEnd(before.substr(0, end)))
        end = before.size() - kConditionEnd.size();
    return end == line.size() ? end : std::max(shortest, TrimmedEnd(line.substr(0, end)).size());
}

// For each position i of `text`, how many characters from there are the same as those from
// the start of `text` (the Z-function), in time linear in its length.
std::vector<std::size_t> PrefixMatchLengths(std::string_view text) {
    std::vector<std::size_t> lengths(text.size(), 0);
    if (!text.empty())
        lengths[0] = text.size();
    for (std::size_t i = 1, left = 0, right = 0; i < text.size(); ++i) {
        std::size_t length = i < right ? std::min(right - i, lengths[i - left]) : 0;
        while (i + length < text.size() && text[length] == text[i + length])
            ++length;
        lengths[i] = length;
        if (i + length > right) {
            left = i;
            right = i + length;
        }
    }
    return lengths;
}

// Where the name of a mission row written by the writer starts and how long it is:
// title + ",MissionBegin," + name + ",{Done" + name + "}," + condition, for `condition`. A
// title or name may then hold anything, commas and ",MissionBegin," too, for the name's length
// follows from the condition's; the first ",MissionBegin," that splits so is the one.
class SplitAsWritten {
public:
    SplitAsWritten(std::string_view row, std::string_view condition) : row_(row) {
        const std::size_t tail = 2 + condition.size(); // "}," + condition
        if (row.size() < tail || !row.ends_with(condition) ||
            !row.substr(row.size() - tail).starts_with("},"))
            return;
        flagEnd_ = row.size() - tail;
        // The name before the "}" read backwards, so that a name after a ",MissionBegin," is
        // compared with it at once: the same name, backwards, starts it.
        std::string backwards(row.substr(0, flagEnd_));
        std::reverse(backwards.begin(), backwards.end());
        sameFromEnd_ = PrefixMatchLengths(backwards);
    }
    // The name's size when the ",MissionBegin," at `at` is the one.
    std::optional<std::size_t> NameSize(std::size_t at) const {
        const std::size_t nameBegin = at + kMissionBegin.size();
        constexpr std::size_t kBetween = 1 + kFlagStart.size(); // ",{Done"
        if (sameFromEnd_.empty() || flagEnd_ < nameBegin + kBetween ||
            (flagEnd_ - nameBegin - kBetween) % 2 != 0)
            return std::nullopt;
        const std::size_t size = (flagEnd_ - nameBegin - kBetween) / 2;
        const std::string_view between = row_.substr(nameBegin + size, kBetween);
        if (!between.starts_with(',') || between.substr(1) != kFlagStart ||
            sameFromEnd_[size + kBetween] < size)
            return std::nullopt;
        return size;
    }

private:
    std::string_view row_;
    std::size_t flagEnd_ = 0;
    std::vector<std::size_t> sameFromEnd_;
};

// A row of the menu: "$Checked=" + number and space (both optional) + title, then for a
// mission ",MissionBegin," + name + "," + flag + "," + condition, for another row anything
// after a comma. `previousFlag` is the flag of the mission row before it, if any.
std::optional<ReadRow> ParseRow(std::string_view line, std::size_t lineIndex,
                                const std::optional<std::string>& previousFlag) {
    const std::optional<std::size_t> rowBegin = RowStart(line);
    if (!rowBegin)
        return std::nullopt;
    const std::size_t rowEnd = RowEnd(line, *rowBegin);
    const std::string_view row = line.substr(0, rowEnd);
    ReadRow read;
    RowPlace& place = read.place;
    place = {lineIndex, *rowBegin + kMissionLineStart.size(), 0, 0, 0, rowEnd, rowEnd};
    std::size_t digits = place.numberBegin;
    while (digits < row.size() && row[digits] >= '0' && row[digits] <= '9')
        ++digits;
    const bool numbered = digits > place.numberBegin && digits < row.size() && row[digits] == ' ';
    place.numberEnd = numbered ? digits : place.numberBegin;
    place.titleBegin = numbered ? digits + 1 : place.numberBegin;

    const std::size_t first = FindNoCase(row, kMissionBegin, place.titleBegin);
    if (first == std::string_view::npos) {
        place.titleEnd = std::min(row.find(',', place.titleBegin), row.size());
        read.row.startsMission = false;
    } else {
        std::vector<std::string> conditions{std::string(kAlwaysAvailable)};
        if (previousFlag)
            conditions.push_back(*previousFlag);
        std::vector<SplitAsWritten> splits;
        for (const std::string& condition : conditions)
            splits.emplace_back(row, condition);
        std::optional<std::size_t> nameSize;
        for (std::size_t at = first; at != std::string_view::npos && !nameSize;
             at = FindNoCase(row, kMissionBegin, at + 1))
            for (std::size_t k = 0; k < splits.size() && !nameSize; ++k)
                if ((nameSize = splits[k].NameSize(at))) {
                    place.titleEnd = at;
                    place.conditionBegin = row.size() - conditions[k].size();
                }
        const std::size_t nameBegin = (nameSize ? place.titleEnd : first) + kMissionBegin.size();
        std::size_t flagBegin = 0;
        std::size_t flagEnd = 0;
        if (nameSize) {
            flagBegin = nameBegin + *nameSize + 1;
            flagEnd = place.conditionBegin - 1;
        } else {
            // Any other row: the name up to the next comma, the flag up to the one after it,
            // and the condition is what follows.
            place.titleEnd = first;
            nameSize = std::min(row.find(',', nameBegin), row.size()) - nameBegin;
            flagBegin = std::min(nameBegin + *nameSize + 1, row.size());
            flagEnd = std::min(row.find(',', flagBegin), row.size());
            place.conditionBegin = std::min(flagEnd + 1, row.size());
        }
        read.row.name = std::string(row.substr(nameBegin, *nameSize));
        if (const std::string_view flag = row.substr(flagBegin, flagEnd - flagBegin);
            flag != CompletionFlag(read.row.name))
            read.row.flag = std::string(flag);
        read.condition = std::string(row.substr(place.conditionBegin));
    }
    read.row.title =
        WithControlsReplaced(row.substr(place.titleBegin, place.titleEnd - place.titleBegin));
    return read;
}

class CampaignFileReader {
public:
    CampaignFileReader(const Lines& lines, CampaignFileReading& reading)
        : lines_(lines), document_(reading.document), settings_(reading.settings) {}

    bool Read() {
        const std::vector<Section> sections = SplitSections(lines_);
        const std::optional<std::size_t> overview =
            FindSection(sections, lines_, {SectionName(kOverviewHeader)});
        if (!overview)
            return false;
        document_.overview = sections[*overview];
        ReadTitle();
        ReadIntro();
        ReadMissions();
        return true;
    }

private:
    const Section& Overview() const { return *document_.overview; }

    void ReadTitle() {
        settings_.title.clear();
        for (std::size_t i = 0; i < Overview().header; ++i)
            if (const std::optional<KeyLine> key = ParseKeyLine(lines_[i]);
                key && EqualsNoCase(key->Key(lines_[i]), "title")) {
                document_.title = KeyPlace{i, *key};
                settings_.title = WithControlsReplaced(key->Value(lines_[i]));
                return;
            }
    }

    void ReadIntro() {
        HeadedText read = ReadHeadedText(lines_, Overview().BodyBegin(), Overview().end);
        settings_.CampaignHeader = std::move(read.heading);
        settings_.CampaignText = SplitBoxLines(read.text);
        document_.intro = read.place;
        // An empty intro after a "<p>" alone gets its lines below it, as the writer puts them.
        if (const std::optional<std::size_t> line = read.place.paragraphLine;
            line && read.text.empty() && EndsWithNoCase(TrimmedEnd(lines_[*line]), "<p>"))
            document_.intro.text = TextPlace{{{*line + 1, 0}, {*line + 1, 0}}, true};
    }

    // Lines of the intro's text are text, whatever they hold.
    bool InIntroText(std::size_t line) const {
        const std::optional<TextPlace>& text = document_.intro.text;
        return text && text->range.begin.line <= line && TextPosition{line, 0} < text->range.end;
    }

    void ReadMissions() {
        const std::vector<ReadRow> rows = ReadRows();
        settings_.Sequential = EachMissionWaitsForThePrevious(rows);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            // A condition the setting gives is the setting's, waiting for the mission before
            // it is waiting for whichever comes before it; any other stays as written.
            settings_.missions.push_back(rows[k].row);
            CampaignMission& row = settings_.missions.back();
            row.source = k;
            if (row.startsMission && rows[k].condition != MissionCondition(settings_, k)) {
                row.afterPrevious = true;
                if (rows[k].condition != MissionCondition(settings_, k)) {
                    row.afterPrevious = false;
                    row.condition = rows[k].condition;
                }
            }
            document_.missions.push_back(rows[k].place);
        }
    }

    std::vector<ReadRow> ReadRows() const {
        std::vector<ReadRow> rows;
        std::optional<std::string> previousFlag;
        for (std::size_t i = Overview().BodyBegin(); i < Overview().end; ++i)
            if (!InIntroText(i))
                if (std::optional<ReadRow> row = ParseRow(lines_[i], i, previousFlag)) {
                    if (row->row.startsMission)
                        previousFlag = MissionFlag(row->row);
                    rows.push_back(std::move(*row));
                }
        return rows;
    }

    // Played in sequence: there are missions, and each waits for the one before it.
    static bool EachMissionWaitsForThePrevious(const std::vector<ReadRow>& rows) {
        std::optional<std::string> flagBefore;
        for (const ReadRow& row : rows)
            if (row.row.startsMission) {
                if (flagBefore && row.condition != *flagBefore)
                    return false;
                flagBefore = MissionFlag(row.row);
            }
        return flagBefore.has_value();
    }

    const Lines& lines_;
    CampaignDocument& document_;
    CampaignSettings& settings_;
};

} // namespace

std::optional<Refusal> TextBoundsRefusal(const CampaignSettings& settings) {
    return TextLinesRefusal(settings.CampaignText.size());
}

CampaignFileReading ReadCampaignFile(std::string_view bytes, TextDecoding decoding) {
    CampaignFileReading reading;
    const FileText file(bytes, reading.report, decoding);
    if (reading.report.refusal)
        return reading;
    reading.document.text = TextDocument(file.Text());
    if (!CampaignFileReader(file.Lines(), reading).Read()) {
        reading.report.refusal = Refusal{RefusalReason::NoOverviewSection};
        reading.document = {};
        return reading;
    }
    reading.report.refusal = TextBoundsRefusal(reading.settings);
    if (reading.report.refusal)
        return reading;
    reading.document.read = reading.settings;
    const TextDocument saved = SaveIntoDocument(reading.document, reading.settings);
    if (saved != reading.document.text)
        reading.report.notKept = LinesNotKept(file.Lines(), saved.LineTexts());
    return reading;
}

} // namespace vornask
