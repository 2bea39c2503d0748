// Reading a campaign guide file into what the campaign editor shows, and into the document that
// saving it again edits (CampaignDocument).
//
// The file is read as the game reads it. The title is the first "title" key line before the
// overview section ("[Overview]" in any letter case); in that section, the first heading is the
// intro's header and the first "<p>" starts the intro text, on its own line or with the text
// after it, up to the first mission or button line. Every "$Checked=" row of the section (also
// one wrapped in conditions on its line) is a row of the campaign, before or after the closing
// button, in the file's order; a row with ",MissionBegin," is a mission: its title, its name (the
// file name the game starts), its flag and its condition. The conditions say whether the
// campaign is played in sequence: on when it has missions and each after the first waits for
// the one before it; else a mission that does so keeps waiting for the one before it, one that is
// always open ("1") follows the setting, and any other keeps its condition as written.
//
// For the writer's own files every value comes back as written, unless the intro holds a line
// the game would not read as text (a mission or button line) or ends in a blank line.
#pragma once

#include "core/campaign/CampaignDocument.h"
#include "core/campaign/CampaignSettings.h"
#include "core/text/FileText.h"

#include <optional>
#include <string_view>

namespace vornask {

struct CampaignFileReading {
    // Refused (not text, too large, no overview section), or the encoding and the lines whose
    // characters became "?" (UTF-8 and UTF-16 files). `notKept`: as for missions, none unless
    // amiss.
    ReadReport report;
    // The campaign as the editor shows it; a text the file does not have shows empty. Text
    // values are 8-bit Windows-1252.
    CampaignSettings settings;
    // The file, to save back.
    CampaignDocument document;
};

// Reads the bytes of a campaign guide file, as Windows-1252 unless a byte-order mark or
// `decoding` says otherwise.
// A refusal (TextTooLong, with its lines) when the intro has more than kMaxTextLines lines.
// The reader refuses such files.
std::optional<Refusal> TextBoundsRefusal(const CampaignSettings& settings);

CampaignFileReading ReadCampaignFile(std::string_view bytes,
                                     TextDecoding decoding = TextDecoding::Detect);

} // namespace vornask
