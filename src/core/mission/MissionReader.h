// Reading a mission file into what the wizard's pages show, and into the document that saving
// it again edits (MissionDocument).
//
// The file is read as the game reads it: sections by their headers in any letter case (a line
// of one or more bracketed names such as "[Succeeded][BadTeamDead]"; a text never runs on into
// another section), "[Header]" key lines in any letter case with or without quotes and spaces,
// list values in any order. What the pages cannot show is kept in the document, not lost:
// unknown keys and sections, commands and buttons, knowledge items the lists do not know.
//
// - "[Header]": the first line of each known key gives its value. An opponent takes part when
//   any key of its block is there.
// - "[A.]": the first heading is the entry box's title (and the title, when the file has no
//   title key), the "<i>...<br>" and "--...</i>" parts the quote and its author, the first
//   "<p>" the background story.
// - The success message comes from "[Succeeded]" or "[BadTeamDead]", the failure message from
//   "[Failed]", each opponent's events from "[ai3PriestSaved]" and the like: a section's first
//   "<h2>" line is the heading, its first "<p>" starts the text, on the heading's line or its own.
//   The "Next Mission" button may stand anywhere in the success section.
// - A text runs from its "<p>" to the line before the first command or button ("<$...",
//   "$...") or the section's end; blank lines at its end are the file's layout, not the text's.
// - Where a section name comes twice, the first one that holds more than blank lines counts.
// - A value the file does not have shows its page's default, but for the texts (title, quote,
//   its author, story, an opponent's name), which show empty.
//
// The settings read hold each value as its page shows it and gives it back untouched (a number
// as digits, control characters as '?', lists in their page's order): saving compares with them.
// For the writer's own files every value comes back as written, unless a text holds a line the
// game itself would not read as text (a section header, a command or button line) or ends in a
// blank line.
#pragma once

#include "core/mission/MissionDocument.h"
#include "core/mission/MissionSettings.h"
#include "core/text/FileText.h"

#include <string_view>

namespace vornask {

struct MissionFileReading {
    // Refused (not text, too large, no header section), or the encoding and the lines whose
    // characters became "?" (UTF-8 and UTF-16 files). `notKept` lists any line that saving the file
    // unchanged would not write again: none, unless something is amiss.
    ReadReport report;
    // What the pages show. Text values are 8-bit Windows-1252. `finish` holds the "Next Mission"
    // option and name as the file has them; DuplicateCheck keeps its default (whether a copy
    // stands beside the file is for the window to see) and EditSourceCheck is off.
    MissionSettings settings;
    // The file, to save back.
    MissionDocument document;
};

// Reads the bytes of a mission file, as Windows-1252 unless a byte-order mark or `decoding`
// says otherwise.
// A refusal (TextTooLong, with its lines) when a text of `settings` has more than
// kMaxTextLines lines: the background story or an event's text. The reader refuses such files.
std::optional<Refusal> TextBoundsRefusal(const MissionSettings& settings);

MissionFileReading ReadMissionFile(std::string_view bytes,
                                   TextDecoding decoding = TextDecoding::Detect);

} // namespace vornask
