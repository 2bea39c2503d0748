// The text a save writes: a new file as the writer writes it, an opened one with the values
// changed in it. The finish windows save it; the preview reads its sections, so that it shows
// what the game will read.
#pragma once

#include "core/campaign/CampaignDocument.h"
#include "core/campaign/CampaignSettings.h"
#include "core/mission/MissionDocument.h"
#include "core/mission/MissionSettings.h"
#include "core/text/TextDocument.h"

namespace vornask {

// `opened` is the document of the file the settings were read from; none for a new file.
TextDocument MissionFileToSave(const MissionSettings& settings, const MissionDocument* opened);
TextDocument CampaignFileToSave(const CampaignSettings& settings, const CampaignDocument* opened);

} // namespace vornask
