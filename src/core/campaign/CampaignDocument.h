// An opened campaign guide file kept as the document it is, as MissionDocument keeps a mission
// file: saving writes its lines again, but for what the user changed in the campaign editor.
// A row the user added, removed, renamed or moved has its "$Checked=" line added, removed
// or rewritten; the other rows stay as written, and so does everything the editor does not
// show.
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/text/Markup.h"
#include "core/text/TextDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// A row of the campaign menu ("$Checked=" in the overview), cut where the campaign editor may
// change it: the number before the title (the mission's place, where it is written as such),
// the title and, for a mission, the condition, which runs to the row's end. The rest, the name
// and completion flag among it, stays as written, and so do the conditions that wrap the row on
// its line: "<?{flag}>" tags before it, "</?>" after it.
struct RowPlace {
    std::size_t line;
    std::size_t numberBegin, numberEnd; // columns; the same when the row has no number
    std::size_t titleBegin, titleEnd;
    std::size_t conditionBegin; // a mission's
    std::size_t rowEnd;         // where the closing conditions start, or the line's end
};

struct CampaignDocument {
    TextDocument text;
    // The campaign as the editor was given it: what saving compares with.
    CampaignSettings read;

    std::optional<Section> overview;
    std::optional<KeyPlace> title;
    HeadedTextPlace intro;          // the intro's heading and text
    std::vector<RowPlace> missions; // every row, in file order: CampaignMission::source
};

// The document with `settings` saved into it: only what differs from document.read changes.
TextDocument SaveIntoDocument(const CampaignDocument& document, const CampaignSettings& settings);

// Row `source` of the document as its line holds it, and the conditions that wrap it there
// (empty when none).
struct RowAsWritten {
    std::string_view row;
    std::string_view conditions;
};
RowAsWritten RowOf(const CampaignDocument& document, std::size_t source);

} // namespace vornask
