// An opened mission file kept as the document it is: its own lines, where each value the pages
// show stands in them, and the values as read. Saving writes the lines again byte for byte,
// but for the values the user changed: a changed value's line is rewritten in the file's own
// style, a changed text's lines are replaced, an opponent enabled or disabled gains or loses its
// key lines and event sections, and a value the file did not have is added where the mission
// file writer would put it. Everything else stays: sections and keys the pages do not know,
// commands, buttons, blank lines, line ends.
#pragma once

#include "core/mission/MissionSettings.h"
#include "core/text/Markup.h"
#include "core/text/SectionText.h"
#include "core/text/TextDocument.h"

#include <array>
#include <optional>
#include <vector>

namespace vornask {

// A heading and a text in a section of their own: the success and failure messages and the
// opponents' event messages.
struct MessagePlace {
    std::optional<std::size_t> section; // into MissionDocument::sections
    SectionTextPlaces texts;
    // What the section holds, also where the pages do not show it (the events of an opponent
    // that takes no part): what a message typed for it replaces.
    EventMessage held;
};

struct EntryBoxPlace {
    std::optional<std::size_t> section;
    SectionTextPlaces texts;     // its heading is the title as the entry box shows it
    bool headingIsTitle = false; // it held the title the pages show
};

struct MissionDocument {
    TextDocument text;
    // The values the pages were given to show: what saving compares with.
    MissionSettings read;

    std::vector<Section> sections;
    std::optional<std::size_t> headerSection;
    std::vector<std::optional<KeyPlace>> keys; // by HeaderKeys() entry: the first line of each
    // Every line of each opponent's known keys, repeated keys too: what disabling it removes.
    std::array<std::vector<std::size_t>, kOpponentCount> opponentKeyLines;
    EntryBoxPlace entryBox;
    MessagePlace succeeded;
    MessagePlace failed;
    std::array<std::array<MessagePlace, kOpponentEventCount>, kOpponentCount> events;
    std::optional<std::size_t> endSection;
    // The "Next Mission" button in the success section (a button that begins a mission, under
    // any label), and the columns of the mission's name.
    std::optional<TextRange> nextMissionName;
    std::optional<std::size_t> NextMissionLine() const {
        return nextMissionName ? std::optional<std::size_t>(nextMissionName->begin.line)
                               : std::nullopt;
    }

    MessagePlace& event(int side, int kind) { return events.at(side - kFirstOpponent).at(kind); }
    const MessagePlace& event(int side, int kind) const {
        return events.at(side - kFirstOpponent).at(kind);
    }
};

// The document with `settings` saved into it: only what differs from document.read changes.
TextDocument SaveIntoDocument(const MissionDocument& document, const MissionSettings& settings);

} // namespace vornask
