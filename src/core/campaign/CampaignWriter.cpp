#include "core/campaign/CampaignWriter.h"

#include "core/campaign/CampaignFormat.h"

namespace vornask {

std::optional<std::size_t> PreviousMission(const CampaignSettings& settings, std::size_t index) {
    while (index > 0)
        if (settings.missions[--index].startsMission)
            return index;
    return std::nullopt;
}

std::string MissionFlag(const CampaignMission& mission) {
    return mission.flag ? *mission.flag : CompletionFlag(mission.name);
}

std::string MissionCondition(const CampaignSettings& settings, std::size_t index) {
    const CampaignMission& mission = settings.missions[index];
    if (mission.condition)
        return *mission.condition;
    // Missions played in sequence wait for the one before them; the first is always open.
    const std::optional<std::size_t> previous = PreviousMission(settings, index);
    if (!previous || !(settings.Sequential || mission.afterPrevious))
        return std::string(kAlwaysAvailable);
    return MissionFlag(settings.missions[*previous]);
}

// Built in one string of the right size: joining the parts with + would build a new string for
// every part (docs/DEVELOPING.md has the writers' figures).
std::string CampaignMissionLine(const CampaignSettings& settings, std::size_t index,
                                std::size_t number) {
    const CampaignMission& mission = settings.missions[index];
    const std::string condition = MissionCondition(settings, index);
    const std::string flag = MissionFlag(mission);
    std::string line;
    line.reserve(32 + mission.title.size() + mission.name.size() + flag.size() + condition.size());
    line.append(kMissionLineStart).append(std::to_string(number)).append(" ");
    line.append(mission.title).append(kMissionBegin).append(mission.name).append(",");
    line.append(flag).append(",").append(condition);
    return line;
}

void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines) {
    constexpr std::size_t kFixedLines = 10;
    lines.reserve(lines.size() + kFixedLines + settings.CampaignText.size() +
                  settings.missions.size());
    lines.push_back("title = \"" + settings.title + "\"");
    lines.emplace_back();
    lines.emplace_back(kOverviewHeader);
    lines.emplace_back(kOverviewBackground);
    lines.push_back("<h2>" + settings.CampaignHeader + "</h2>");
    lines.emplace_back(kIntroTextStart);
    lines.insert(lines.end(), settings.CampaignText.begin(), settings.CampaignText.end());
    lines.emplace_back();
    // Rows that start no mission come from an opened guide alone, which is saved through its
    // document: they have no line of this program's own to be written in.
    std::size_t number = 0;
    for (std::size_t index = 0; index < settings.missions.size(); ++index)
        if (settings.missions[index].startsMission)
            lines.push_back(CampaignMissionLine(settings, index, ++number));
    lines.emplace_back();
    lines.emplace_back(kBackToCampaignsButton);
}

} // namespace vornask
