// Reading a campaign guide file back into what the campaign editor holds: the inverse of the
// campaign file writer (BuildCampaignLines).
//
// For every campaign the editor can hold, saving what was read from the writer's file writes
// the same bytes again. The file is read from both ends: the title key line and the overview's
// heading from the top, then, from the last "$Button=Back,Tell,Campaign" line upwards, the
// blank line, the run of mission lines and the blank line before them; everything between the
// "<p>" line and that blank line is the intro text, blank lines and lines that look like
// mission lines included.
//
// A mission line gives the mission's title and name; its condition says whether the campaign
// is played in sequence: on when every mission after the first waits for the one before it,
// off when every condition is "1". A file with other conditions (mixed, or naming other
// missions) is read with the setting most of its lines agree with, and the lines that would
// then be saved differently are listed as not kept, like every other line that saving would
// not write again (text outside the places above, missions beyond the editor's
// kMaxCampaignMissions).
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/text/FileText.h"

#include <optional>
#include <string_view>

namespace vornask {

struct CampaignFileReading {
    // Refused (no "[Overview]" line, too large, a NUL byte), or the encoding, the lines whose
    // characters became "?" (UTF-8 files) and the lines that saving would not write again.
    ReadReport report;
    // The campaign as the editor shows it; values missing from the file keep their defaults.
    // Text values are 8-bit Windows-1252.
    CampaignSettings settings;
    // Whether the file plays its missions in sequence; none when it has fewer than two
    // missions and so does not say (the editor then keeps its own setting; settings.Sequential
    // holds its default).
    std::optional<bool> sequential;
};

// Reads the bytes of a campaign guide file, as Windows-1252 unless a byte-order mark or
// `decoding` says otherwise.
CampaignFileReading ReadCampaignFile(std::string_view bytes,
                                     TextDecoding decoding = TextDecoding::Detect);

} // namespace vornask
