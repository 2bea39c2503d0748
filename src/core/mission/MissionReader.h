// Reading a mission file back into the settings the wizard's pages show: the inverse of the
// mission file writer (BuildMissionLines).
//
// The round trip is the contract. For settings the pages can produce, saving what was read
// from the writer's file writes the same bytes again, and every value the file holds comes back
// unchanged: an opponent the file does not hold (not enabled) comes back with its defaults.
// A file written or edited by anyone else is read as far as it maps onto the pages; every line
// that saving would not write again is listed in the report, so that the user can be told
// before anything changes.
//
// How the file maps:
// - "[Header]" key lines give the general details, the player and the opponents. An opponent
//   is enabled when any key of its block is there. A value is taken only when the pages can
//   show it and give it back unchanged (a mission number 1 to 99 and money 0 to 500000 in plain
//   digits, geysers "1" or "0", knowledge and ally values that ticks give, advanced values the
//   advanced dialog offers or empty, ability values that flags give); otherwise the field keeps
//   its default and the line is listed. The first usable line of a key counts.
// - "[A.]" gives the quote, its author and the background story ("title" comes from its key
//   line, or from the entry box heading when the file has no such key line); "[Succeeded]",
//   the opponents' event sections and "[Failed]" give the event messages, and the "Next
//   Mission" button line gives FinishOptions::NextMissionCheck and MissionName. A story or
//   message text runs on over as many lines as it has, up to the fixed lines that end its
//   section.
// - A text ends at a line that is the header of a section that may still follow it
//   ("[Succeeded]", "[Failed]", "[END]", or an enabled opponent's event section whose header
//   is followed by a heading line and a "<p>" line). A text line that is exactly such a header
//   cannot be told apart from one: when the rest of the file shows that the reader ended a text
//   there although the text went on (the header comes again further down, a section it passed
//   over comes later, or the end of the section it closed comes later), that header line is
//   listed as not kept.
// - Text before "[Header]", in "[Options]" and after "[END]", and sections the pages do not
//   know, are not mapped: their lines are listed unless the same lines are saved elsewhere.
#pragma once

#include "core/mission/MissionSettings.h"
#include "core/text/FileText.h"

#include <string_view>

namespace vornask {

struct MissionFileReading {
    // Refused (no "[Header]" line, too large, a NUL byte), or the encoding, the lines whose
    // characters became "?" (UTF-8 files) and the lines that saving would not write again.
    ReadReport report;
    // What the pages show. Text values are 8-bit Windows-1252 as the file holds them (a UTF-8
    // file converted). The players page gets its ticks back with TechChoiceOf and AllyTicksOf,
    // the advanced dialog its ability flags with AbilityFlagsOf. `finish` holds the "Next
    // Mission" option and name as the file has them; DuplicateCheck keeps its default (whether a
    // copy stands beside the file is for the window to see) and EditSourceCheck is off.
    MissionSettings settings;
};

// Reads the bytes of a mission file, as Windows-1252 unless a byte-order mark or `decoding`
// says otherwise.
MissionFileReading ReadMissionFile(std::string_view bytes,
                                   TextDecoding decoding = TextDecoding::Detect);

} // namespace vornask
