// A section of the game's text as the game draws it: the window's title, blocks of text in runs
// of one style and colour, the pictures' places, the buttons and the menu rows, and the flags
// its conditions ask about. The game works on a section in this order:
//
// 1. Variables "{key}" are filled in: "{mission.fileName}" is the mission's file name without
//    its ending, a flag is 1 when set and 0 when not, and any other shows as "{KEY}" in capitals.
// 2. Conditional text is filtered: "<?{flag}>" shows what follows when the flag is a number
//    other than 0, "<?!{flag}>" when it is not, "<??a=b>", "<?g a=b>", "<?ge a=b>", "<?l a=b>"
//    and "<?le a=b>" compare. They do not nest: "</?>" shows text again, whatever opened it.
// 3. Command lines, those starting with "$", are taken out: "$Button=label,action,argument"
//    gives a button, "$Checked=label,action,argument,done,enabled" a menu row; the rest
//    ("$Menu", "$Timeout", "$OnExit", "$Input"...) draw nothing.
// 4. Tags and codes are applied: "<h1>" to "<h4>" a heading (the first one is the window's
//    title), "<i>" and "<q>" italics, "<b>" and "<c>" bold, "<a href=...>" the link colour,
//    "<center>", "<background=...>", "<br>" a line break, "<p>" a paragraph; any other tag,
//    "<$...>" commands among them, is dropped. "~" codes: a colour (kColourCodes), "~." the plain
//    colour again, "~B" and "~E" bold on and off, "~~" a tilde, "~[I<type>.<frame>]" (or ","
//    for ".") a unit's picture. A "<" that no ">" follows is text; a "~" before a space or a
//    sign stands for itself, before a letter that is no code it draws nothing.
// 5. White space is tidied: a run of it that holds a line end or a tab becomes one space, runs
//    of plain spaces stay; such a space at the start or the end of a line is dropped.
//
// Text is 8-bit Windows-1252, as the game's fonts hold it; a control character is drawn as "?".
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// The colours of the "~" codes. The game's own are not documented; these are chosen to be told
// apart and read on the preview's background.
struct ColourCode {
    char letter;
    const char* name;
    std::uint32_t rgb;
};
constexpr std::array<ColourCode, 10> kColourCodes = {{
    {'w', "white", 0xFFFFFF},
    {'i', "highlight", 0xFFE98A},
    {'y', "yellow", 0xF5D33A},
    {'r', "red", 0xFF6A5C},
    {'o', "orange", 0xFFA14A},
    {'k', "black", 0x101010},
    {'l', "light blue", 0x9CD3FF},
    {'g', "green", 0x7CD67C},
    {'b', "blue", 0x6C8CFF},
    {'p', "purple", 0xD08CFF},
}};
constexpr char kPlainColour = 0;

// The colour of a code's letter; nullptr for a letter that is no colour.
const ColourCode* FindColourCode(char letter);

struct RunStyle {
    bool bold = false;
    bool italic = false;
    bool link = false;          // "<a href=...>"
    char colour = kPlainColour; // the letter of a colour code
    bool operator==(const RunStyle&) const = default;
};

// A run of text in one style: its characters are DrawnPage::text's from `begin`. A page's text,
// runs and blocks are each held in one piece: a large text is drawn without an allocation per run.
struct Run {
    std::size_t begin = 0;
    std::size_t size = 0;
    RunStyle style;
    bool picture = false; // a unit's picture, which the preview shows by the unit's name
    bool operator==(const Run&) const = default;
};

// A line of the page: DrawnPage::runs from `firstRun` on.
struct Block {
    std::size_t firstRun = 0;
    std::size_t runCount = 0;
    bool heading = false; // larger and bold
    bool centred = false;
    bool paragraph = false; // a small gap above it ("<p>"); else it starts on the next line
    bool operator==(const Block&) const = default;
};

// A row of the campaign menu: a check mark when done, dimmed when not enabled.
struct MenuRow {
    std::string label;
    bool done = false;
    bool enabled = true;
    bool operator==(const MenuRow&) const = default;
};

struct DrawnPage {
    std::string text;      // the characters of every run, run after run
    std::vector<Run> runs; // the title's and the lines', each one's together
    Block title;           // the first heading
    std::vector<Block> blocks;
    std::string background; // the picture "<background=...>" names; empty for none
    std::vector<std::string> buttons;
    std::vector<MenuRow> menu;
    // The flags the conditions and the menu rows' done and enabled fields name, each once (letter
    // case ignored), in the order they first appear.
    std::vector<std::string> flags;

    std::span<const Run> RunsOf(const Block& block) const {
        return {runs.data() + block.firstRun, block.runCount};
    }
    // A run's characters; a picture's are the unit's name.
    std::string_view TextOf(const Run& run) const {
        return std::string_view(text).substr(run.begin, run.size);
    }
    bool operator==(const DrawnPage&) const = default;
};

// What the game knows when it draws a section.
struct PageValues {
    std::string missionFileName;       // empty when not known: "{mission.fileName}" shows as a key
    std::vector<std::string> setFlags; // flags that are 1, letter case ignored; the others are 0
};

// The section of `lines` (the lines below its header, without their breaks) as the game draws
// it. Time and memory are linear in the text's length.
DrawnPage DrawSection(const std::vector<std::string>& lines, const PageValues& values);

} // namespace vornask
