#include "campaign/CampaignWriter.h"

namespace vornask {
namespace {

// The flag a mission file's success section sets, "Done" followed by the mission's name.
std::string CompletionFlag(const CampaignMission& mission) {
    return "{Done" + mission.name + "}";
}

// Missions played in sequence wait for the one before them; the first is always open.
std::string Availability(const CampaignSettings& settings, std::size_t index) {
    if (!settings.Sequential || index == 0)
        return "1";
    return CompletionFlag(settings.missions[index - 1]);
}

std::string MissionLine(const CampaignSettings& settings, std::size_t index) {
    const CampaignMission& mission = settings.missions[index];
    return "$Checked=" + std::to_string(index + 1) + " " + mission.title + ",MissionBegin," +
           mission.name + "," + CompletionFlag(mission) + "," + Availability(settings, index);
}

} // namespace

void BuildCampaignLines(const CampaignSettings& settings, std::vector<std::string>& lines) {
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
