#include "core/campaign/CampaignReader.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

namespace vornask {
namespace {

using Lines = std::vector<std::string_view>;

struct ReadMission {
    MissionLinePlace place;
    CampaignMission mission;
    std::string condition; // as written
};

// "title,MissionBegin,name,{Donename}," + condition, as the writer writes it, for one of the
// conditions it writes; a title or name may then hold anything, commas and ",MissionBegin,"
// too, for the name's length follows from the condition's.
bool SplitAsWritten(std::string_view rest, std::string_view condition, std::size_t& nameSize) {
    const std::size_t frame = 2 + kFlagStart.size() + kFlagEnd.size() + condition.size();
    if (rest.size() < frame || (rest.size() - frame) % 2 != 0)
        return false;
    nameSize = (rest.size() - frame) / 2;
    const std::string_view name = rest.substr(0, nameSize);
    return rest == std::string(name) + "," + CompletionFlag(name) + "," + std::string(condition);
}

// A mission line: "$Checked=" + number + " " + title + ",MissionBegin," + name + "," + flag +
// "," + condition. `previous` is the mission line before it.
std::optional<ReadMission> ParseMissionLine(std::string_view line, std::size_t lineIndex,
                                            const ReadMission* previous) {
    const std::size_t start = IndentOf(line);
    if (!StartsWithNoCase(line.substr(start), kMissionLineStart))
        return std::nullopt;
    const std::size_t first = FindNoCase(line, kMissionBegin, start);
    if (first == std::string_view::npos)
        return std::nullopt;
    MissionLinePlace place{lineIndex, start + kMissionLineStart.size(), 0, 0, 0, 0};
    place.numberEnd = place.numberBegin;
    while (place.numberEnd < line.size() && line[place.numberEnd] >= '0' &&
           line[place.numberEnd] <= '9')
        ++place.numberEnd;
    place.titleBegin = place.numberEnd + (line.substr(place.numberEnd).starts_with(' ') ? 1 : 0);

    std::vector<std::string> conditions{std::string(kAlwaysAvailable)};
    if (previous)
        conditions.push_back(CompletionFlag(previous->mission.name));
    std::size_t begin = first;
    std::size_t nameSize = 0;
    std::optional<std::string> writtenCondition;
    for (std::size_t at = first; at != std::string_view::npos && !writtenCondition;
         at = FindNoCase(line, kMissionBegin, at + 1))
        for (const std::string& condition : conditions)
            if (SplitAsWritten(line.substr(at + kMissionBegin.size()), condition, nameSize)) {
                begin = at;
                writtenCondition = condition;
                break;
            }
    if (begin < place.titleBegin)
        return std::nullopt;
    place.titleEnd = begin;
    const std::size_t nameBegin = begin + kMissionBegin.size();
    if (writtenCondition) {
        place.conditionBegin = line.size() - writtenCondition->size();
    } else {
        // Any other line: the name up to the next comma, the flag up to the one after it, and
        // the condition is what follows.
        nameSize = std::min(line.find(',', nameBegin), line.size()) - nameBegin;
        const std::size_t flagEnd = line.find(',', nameBegin + nameSize + 1);
        place.conditionBegin = flagEnd == std::string_view::npos ? line.size() : flagEnd + 1;
    }
    ReadMission read;
    read.mission.title =
        WithControlsReplaced(line.substr(place.titleBegin, place.titleEnd - place.titleBegin));
    read.mission.name = std::string(line.substr(nameBegin, nameSize));
    read.condition = std::string(line.substr(place.conditionBegin));
    read.place = std::move(place);
    return read;
}

class CampaignFileReader {
public:
    CampaignFileReader(const Lines& lines, CampaignFileReading& reading)
        : lines_(lines), reading_(reading), document_(reading.document),
          settings_(reading.settings) {}

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
        reading_.report.sectionStarts =
            SectionStartsInTexts(lines_, sections, [](std::string_view name) {
                return EqualsNoCase(name, SectionName(kOverviewHeader));
            });
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
        SectionTexts read = ReadSectionTexts(lines_, Overview().BodyBegin(), Overview().end,
                                             {.tagOnOwnLine = true});
        settings_.CampaignHeader = std::move(read.heading);
        settings_.CampaignText = SplitBoxLines(read.text);
        document_.intro = read.places;
    }

    void ReadMissions() {
        std::vector<ReadMission> missions;
        for (std::size_t i = Overview().BodyBegin(); i < Overview().end; ++i)
            if (std::optional<ReadMission> mission =
                    ParseMissionLine(lines_[i], i, missions.empty() ? nullptr : &missions.back()))
                missions.push_back(std::move(*mission));
        int afterPrevious = 0;
        int always = 0;
        for (std::size_t k = 1; k < missions.size(); ++k) {
            afterPrevious += missions[k].condition == CompletionFlag(missions[k - 1].mission.name);
            always += missions[k].condition == kAlwaysAvailable;
        }
        if (missions.size() >= 2) {
            reading_.sequential = afterPrevious >= always;
            settings_.Sequential = *reading_.sequential;
        }
        for (std::size_t k = 0; k < missions.size(); ++k) {
            // A condition the setting gives is the setting's; any other stays as written.
            settings_.missions.push_back(missions[k].mission);
            settings_.missions.back().source = k;
            if (missions[k].condition != MissionCondition(settings_, k))
                settings_.missions.back().condition = missions[k].condition;
            document_.missions.push_back(missions[k].place);
        }
    }

    const Lines& lines_;
    CampaignFileReading& reading_;
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
