#include "core/campaign/CampaignReader.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"

namespace vornask {
namespace {

// What a mission line's last field asks before the mission may be played.
enum class Condition { Always, AfterPrevious, Other };

struct MissionLine {
    CampaignMission mission;
    Condition condition;
};

bool IsMissionLine(std::string_view line) {
    return line.starts_with(kMissionLineStart) &&
           line.find(kMissionBegin) != std::string_view::npos;
}

// The size of a mission's completion flag "{Done" + name + "}".
std::size_t FlagSize(std::string_view name) {
    return kFlagStart.size() + name.size() + kFlagEnd.size();
}

// Whether `text` ends with the completion flag of the mission named `name`.
bool EndsWithFlag(std::string_view text, std::string_view name) {
    if (text.size() < FlagSize(name))
        return false;
    const std::string_view flag = text.substr(text.size() - FlagSize(name));
    return flag.starts_with(kFlagStart) && flag.ends_with(kFlagEnd) &&
           flag.substr(kFlagStart.size(), name.size()) == name;
}

// The title and the name in "title,MissionBegin,name,{Donename},". A title may itself hold
// ",MissionBegin,", so every one is tried from the left; the name's length follows from the
// length of what comes after it.
std::optional<CampaignMission> SplitTitleAndName(std::string_view fields) {
    for (std::size_t at = fields.find(kMissionBegin); at != std::string_view::npos;
         at = fields.find(kMissionBegin, at + 1)) {
        const std::string_view rest = fields.substr(at + kMissionBegin.size());
        const std::size_t frame = FlagSize("") + 2; // the commas before and after the flag
        if (rest.size() < frame || (rest.size() - frame) % 2 != 0)
            continue;
        const std::string_view name = rest.substr(0, (rest.size() - frame) / 2);
        if (rest[name.size()] == ',' && rest.ends_with(',') &&
            EndsWithFlag(rest.substr(0, rest.size() - 1), name))
            return CampaignMission{std::string(fields.substr(0, at)), std::string(name)};
    }
    return std::nullopt;
}

// A mission line as the writer writes it, whose condition is "1" or the flag of the mission
// before it; any other line with ",MissionBegin," gives the title before it and the name after
// it, up to the next comma.
MissionLine ParseMissionLine(std::string_view line, const CampaignMission* previous) {
    std::string_view rest = line.substr(kMissionLineStart.size());
    while (!rest.empty() && rest.front() >= '0' && rest.front() <= '9')
        rest.remove_prefix(1);
    if (rest.starts_with(' '))
        rest.remove_prefix(1);
    Condition condition = Condition::Other;
    std::size_t conditionSize = 0;
    if (rest.ends_with(kAlwaysAvailable)) {
        condition = Condition::Always;
        conditionSize = kAlwaysAvailable.size();
    } else if (previous && EndsWithFlag(rest, previous->name)) {
        condition = Condition::AfterPrevious;
        conditionSize = FlagSize(previous->name);
    }
    if (condition != Condition::Other)
        if (auto mission = SplitTitleAndName(rest.substr(0, rest.size() - conditionSize)))
            return {std::move(*mission), condition};
    const std::size_t begin = rest.find(kMissionBegin);
    const std::string_view fields = rest.substr(begin + kMissionBegin.size());
    return {{std::string(rest.substr(0, begin)), std::string(fields.substr(0, fields.find(',')))},
            Condition::Other};
}

// The missions, up to as many as the editor holds, and whether they are played in sequence.
void ReadMissions(const std::vector<std::string_view>& lines, std::size_t begin, std::size_t end,
                  CampaignFileReading& reading) {
    std::vector<CampaignMission>& missions = reading.settings.missions;
    int afterPrevious = 0;
    int always = 0;
    for (std::size_t i = begin; i < end && missions.size() < kMaxCampaignMissions; ++i) {
        MissionLine line =
            ParseMissionLine(lines[i], missions.empty() ? nullptr : &missions.back());
        if (!missions.empty()) {
            afterPrevious += line.condition == Condition::AfterPrevious;
            always += line.condition == Condition::Always;
        }
        missions.push_back(std::move(line.mission));
    }
    if (missions.size() >= 2) {
        reading.sequential = afterPrevious >= always;
        reading.settings.Sequential = *reading.sequential;
    }
}

// Everything after "[Overview]": its heading, then from the end up the closing button, the
// missions and the intro text.
void ReadOverview(const std::vector<std::string_view>& lines, std::size_t overview,
                  CampaignFileReading& reading) {
    const std::size_t count = lines.size();
    const std::size_t textStart = FirstLine(
        lines, overview + 1, count, [](std::string_view line) { return line == kIntroTextStart; });
    const std::size_t heading = FirstLine(lines, overview + 1, textStart, HeadingText);
    if (heading < textStart)
        reading.settings.CampaignHeader = *HeadingText(lines[heading]);
    const std::size_t top = textStart < count ? textStart + 1 : overview + 1;
    std::size_t missionsEnd = count; // at the last closing button, or the end
    for (std::size_t i = count; i > top; --i)
        if (lines[i - 1] == kBackToCampaignsButton) {
            missionsEnd = i - 1;
            break;
        }
    if (missionsEnd > top && lines[missionsEnd - 1].empty())
        --missionsEnd;
    std::size_t missionsBegin = missionsEnd;
    while (missionsBegin > top && IsMissionLine(lines[missionsBegin - 1]))
        --missionsBegin;
    if (textStart < count) {
        std::size_t textEnd = missionsBegin;
        if (textEnd > top && lines[textEnd - 1].empty())
            --textEnd;
        reading.settings.CampaignText.assign(lines.begin() + top, lines.begin() + textEnd);
    }
    ReadMissions(lines, missionsBegin, missionsEnd, reading);
}

} // namespace

CampaignFileReading ReadCampaignFile(std::string_view bytes, TextDecoding decoding) {
    CampaignFileReading reading;
    const FileText file(bytes, reading.report, decoding);
    const std::optional<std::size_t> overview =
        file.FindSection(kOverviewHeader, RefusalReason::NoOverviewSection, reading.report);
    if (!overview)
        return reading;
    const std::vector<std::string_view>& lines = file.Lines();
    for (std::size_t i = 0; i < *overview; ++i)
        if (const std::optional<KeyLine> key = ParseKeyLine(lines[i]); key && key->key == "title") {
            reading.settings.title = key->value;
            break;
        }
    ReadOverview(lines, *overview, reading);
    std::vector<std::string> saved;
    BuildCampaignLines(reading.settings, saved);
    reading.report.notKept = LinesNotKept(lines, saved);
    return reading;
}

} // namespace vornask
