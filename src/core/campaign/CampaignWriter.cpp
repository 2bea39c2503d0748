#include "core/campaign/CampaignWriter.h"

#include "core/campaign/CampaignFormat.h"
#include "core/text/SectionText.h"

namespace vornask {
std::string MissionCondition(const CampaignSettings& settings, std::size_t index) {
    if (settings.missions[index].condition)
        return *settings.missions[index].condition;
    // Missions played in sequence wait for the one before them; the first is always open.
    if (!settings.Sequential || index == 0)
        return std::string(kAlwaysAvailable);
    return CompletionFlag(settings.missions[index - 1].name);
}

// Built in one string of the right size: joining the parts with + would build a new string for
// every part (docs/DEVELOPING.md has the writers' figures).
std::string CampaignMissionLine(const CampaignSettings& settings, std::size_t index) {
    const CampaignMission& mission = settings.missions[index];
    std::string line;
    line.reserve(48 + mission.title.size() + 2 * mission.name.size() +
                 (index > 0 ? settings.missions[index - 1].name.size() : 0));
    line.append(kMissionLineStart).append(std::to_string(index + 1)).append(" ");
    line.append(mission.title).append(kMissionBegin).append(mission.name).append(",");
    line.append(CompletionFlag(mission.name)).append(",");
    line.append(MissionCondition(settings, index));
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
    lines.push_back(HeadingLine(settings.CampaignHeader));
    lines.emplace_back(kIntroTextStart);
    lines.insert(lines.end(), settings.CampaignText.begin(), settings.CampaignText.end());
    lines.emplace_back();
    for (std::size_t index = 0; index < settings.missions.size(); ++index)
        lines.push_back(CampaignMissionLine(settings, index));
    lines.emplace_back();
    lines.emplace_back(kBackToCampaignsButton);
}

} // namespace vornask
