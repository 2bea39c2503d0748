#include "core/campaign/CampaignWriter.h"

namespace vornask {
namespace {

// The flag a mission file's success section sets, "Done" followed by the mission's name.
void AppendCompletionFlag(std::string& line, const CampaignMission& mission) {
    line.append("{Done").append(mission.name).append("}");
}

// Missions played in sequence wait for the one before them; the first is always open.
void AppendAvailability(std::string& line, const CampaignSettings& settings, std::size_t index) {
    if (!settings.Sequential || index == 0)
        line.append("1");
    else
        AppendCompletionFlag(line, settings.missions[index - 1]);
}

// Built in one string of the right size: joining the parts with + made the writer six times
// as slow as copying its output.
std::string MissionLine(const CampaignSettings& settings, std::size_t index) {
    const CampaignMission& mission = settings.missions[index];
    std::string line;
    line.reserve(48 + mission.title.size() + 2 * mission.name.size() +
                 (index > 0 ? settings.missions[index - 1].name.size() : 0));
    line.append("$Checked=").append(std::to_string(index + 1)).append(" ");
    line.append(mission.title).append(",MissionBegin,").append(mission.name).append(",");
    AppendCompletionFlag(line, mission);
    line.append(",");
    AppendAvailability(line, settings, index);
    return line;
}

} // namespace

void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines) {
    constexpr std::size_t kFixedLines = 10;
    lines.reserve(lines.size() + kFixedLines + settings.CampaignText.size() +
                  settings.missions.size());
    lines.push_back("title = \"" + settings.title + "\"");
    lines.emplace_back();
    lines.emplace_back("[Overview]");
    lines.emplace_back("<background=\"nsstart\">");
    lines.push_back("<h2>" + settings.CampaignHeader + "</h2>");
    lines.emplace_back("<p>");
    lines.insert(lines.end(), settings.CampaignText.begin(), settings.CampaignText.end());
    lines.emplace_back();
    for (std::size_t index = 0; index < settings.missions.size(); ++index)
        lines.push_back(MissionLine(settings, index));
    lines.emplace_back();
    lines.emplace_back("$Button=Back,Tell,Campaign");
}

} // namespace vornask
