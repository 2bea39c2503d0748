// The texts of a section as the pages' boxes show and edit them, each with its place in the
// document's lines: the heading, the entry box's quote block, and the text, which is every
// other line the game shows, as its markup.
//
// - The heading is the section's first line the game draws, when it is a heading ("<h1>" to
//   "<h4>" and its closing tag); what follows the closing tag on its line is text. A heading
//   further down is text.
// - The quote block (the entry box only) is the first line drawn after the heading, when it
//   starts with "<i>", up to its author: a line starting with one or two dashes and holding
//   "</i>" ("--The Mapmaker</i>", "-Nimbian salesman</i>"), or the same on the quote's own line
//   after a "<br>". The quote may run over several lines (the box shows them joined by a space,
//   as the game draws a line end) and hold markup such as a picture.
// - The text is everything else, from its first line drawn to its last: blank lines between
//   them are the text's, blank lines around it the file's layout. Lines of commands, comments
//   and background pictures are no text (IsLayoutLine): they keep their place and bytes. The
//   box leaves out the one "<p>" the program writes in front of a text: on the text's first
//   line, or for a guide's intro also alone on the line above the text. A mission's text is
//   always saved behind such a tag or its heading, so that its first line never starts a
//   section, whatever it holds.
//
// Saving a changed text puts it where the old one began, in its place's own paragraph tag,
// and removes the rest of the old one; a text the section lacks goes below the heading and
// quote block, as the writer puts it. Whatever a box was given reads back the same, but for
// blank lines at a text's end (layout) and lines of commands typed into it, which stay in the
// file as commands.
#pragma once

#include "core/text/FileText.h"
#include "core/text/Markup.h"
#include "core/text/TextDocument.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// Whether a line of `text` (a box's lines, joined by line breaks) would start a section. A
// mission's story and messages are saved behind a tag ("<p>" + text, or the end of their
// heading's line), so that their first line never starts one; a guide's intro is not.
bool HoldsSectionStart(std::string_view text, bool firstLineBehindTag);

// The section headers of a file that seem to be lines of a text: each one that is no clean
// header ("[Chapter One] begins"), and each clean one directly below a line of text (not a key
// line) whose name heads another section too, or whose section nothing shows (neither one the
// game opens itself, as `opensItself` tells, nor one a command of the file names). The game
// reads each as the start of a section all the same, and the text above it ends there.
std::vector<FileLine>
SectionStartsInTexts(const std::vector<std::string_view>& lines,
                     const std::vector<Section>& sections,
                     const std::function<bool(std::string_view name)>& opensItself);

// The lines the program writes for a heading, a paragraph of text, and the quote block.
std::string HeadingLine(std::string_view heading);
std::string ParagraphLine(std::string_view text);
std::string QuoteLine(std::string_view quote);
std::string AuthorLine(std::string_view author);

// A heading line: its text's columns, and the column after its closing tag.
struct HeadingPlace {
    std::size_t line;
    std::size_t textBegin;
    std::size_t textEnd;
    std::size_t after;
    TextRange Range() const { return {{line, textBegin}, {line, textEnd}}; }
};
std::optional<HeadingPlace> ParseHeading(std::string_view line, std::size_t lineIndex);

struct QuotePlace {
    std::size_t firstLine;
    TextRange quote;  // after "<i>", up to the "<br>" before the author (or the author's line)
    TextRange dashes; // in front of the author
    TextRange author; // up to its "</i>"
    std::size_t lastLine;
    std::size_t after; // the column after "</i>" on the last line
};

// Columns `begin` to `end` of line `line`.
struct TextPiece {
    std::size_t line;
    std::size_t begin;
    std::size_t end;
};

struct TextSpan {
    std::vector<TextPiece> pieces; // in file order; the first and last are not blank
    // The paragraph tag the box leaves out: none, "<p>" at the first piece's start (shown
    // from `shownBegin`), or "<p>" alone as the first piece (shown from the second).
    enum class Tag { None, Inline, OwnLine } tag = Tag::None;
    std::size_t shownBegin = 0;
};

// What a section's texts follow: whether it has a quote block (the entry box), and whether
// its text's "<p>" stands alone above it (a guide's intro, as the campaign writer puts it).
struct SectionTextRules {
    bool quoteBlock = false;
    bool tagOnOwnLine = false;
};

struct SectionTextPlaces {
    std::size_t bodyBegin = 0;
    // The first line past blank lines and background pictures: where a new heading goes.
    std::size_t firstContentLine = 0;
    SectionTextRules rules;
    std::optional<HeadingPlace> heading;
    std::optional<QuotePlace> quote;
    std::optional<TextSpan> text;
    // Where a text the section lacks goes: below the heading and quote block.
    std::size_t NewTextLine() const;
    // Whether a text saved here has its first line behind a tag on that line, where it cannot
    // start a section: where the rules put the tag on a line of its own, only when the text
    // read was written that way.
    bool FirstLineBehindTag() const {
        return !rules.tagOnOwnLine || (text && text->tag == TextSpan::Tag::Inline);
    }
};

// The texts as the boxes show them (control characters as "?"), and their places.
struct SectionTexts {
    std::string heading;
    std::string quote;
    std::string author;
    std::string text; // lines joined by CR LF
    SectionTextPlaces places;
};

// Lines `begin` to `end` of a section's body.
SectionTexts ReadSectionTexts(const std::vector<std::string_view>& lines, std::size_t begin,
                              std::size_t end, SectionTextRules rules = {});

// Saves changed texts of one section into `edits`. Call SaveHeading before SaveQuote before
// SaveText: new lines that go to one place come out in that order.
class SectionTextSaver {
public:
    SectionTextSaver(DocumentEdits& edits, const TextDocument& document,
                     const SectionTextPlaces& places)
        : edits_(edits), document_(document), places_(places) {}

    void SaveHeading(const std::string& heading);
    void SaveQuote(const std::string& quote, const std::string& author, bool quoteChanged,
                   bool authorChanged);
    // `changed`: the text differs from what was read. A text may have to move without a
    // change of its own, when a new quote block goes above it (it is saved then too).
    void SaveText(const std::string& text, bool changed);

private:
    std::string TaggedText(const std::string& text) const;
    bool NeedsTag(std::string_view firstLine) const;
    void RemovePiece(const TextPiece& piece);
    void InsertText(const std::string& text);

    DocumentEdits& edits_;
    const TextDocument& document_;
    const SectionTextPlaces& places_;
    bool textMustMove_ = false;
};

} // namespace vornask
