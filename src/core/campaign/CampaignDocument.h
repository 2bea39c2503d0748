// An opened campaign guide file kept as the document it is, as MissionDocument keeps a mission
// file: saving writes its lines again, but for what the user changed in the campaign editor.
// A mission the user added, removed, renamed or moved has its "$Checked=" line added, removed
// or rewritten; the other mission lines stay as written, and so does everything the editor does
// not show.
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/text/Markup.h"
#include "core/text/SectionText.h"
#include "core/text/TextDocument.h"

#include <optional>
#include <string>
#include <vector>

namespace vornask {

// A mission line of the file, cut where the campaign editor may change it: the number before
// the title (the mission's place, where it is written as such), the title and the condition,
// which runs to the line's end. The rest, the name and completion flag among it, stays as
// written.
struct MissionLinePlace {
    std::size_t line;
    std::size_t numberBegin, numberEnd; // columns
    std::size_t titleBegin, titleEnd;
    std::size_t conditionBegin;
};

struct CampaignDocument {
    TextDocument text;
    // The campaign as the editor was given it: what saving compares with.
    CampaignSettings read;

    std::optional<Section> overview;
    std::optional<KeyPlace> title;
    SectionTextPlaces intro;                // the intro's heading and text
    std::vector<MissionLinePlace> missions; // in file order: CampaignMission::source
};

// The document with `settings` saved into it: only what differs from document.read changes.
TextDocument SaveIntoDocument(const CampaignDocument& document, const CampaignSettings& settings);

} // namespace vornask
