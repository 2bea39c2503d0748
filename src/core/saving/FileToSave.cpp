#include "core/saving/FileToSave.h"

#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionWriter.h"

namespace vornask {

TextDocument MissionFileToSave(const MissionSettings& settings, const MissionDocument* opened) {
    if (opened)
        return SaveIntoDocument(*opened, settings);
    MissionLines lines;
    BuildMissionLines(settings, lines);
    return TextDocument::FromLines(lines);
}

TextDocument CampaignFileToSave(const CampaignSettings& settings, const CampaignDocument* opened) {
    if (opened)
        return SaveIntoDocument(*opened, settings);
    std::vector<std::string> lines;
    BuildCampaignLines(settings, lines);
    return TextDocument::FromLines(lines);
}

} // namespace vornask
