// The shapes of lines in the game's text files, read as the game reads them: section headers,
// key lines and tags in any letter case, values with or without quotes, spaces around them.
// Places are columns in the line, so that a value can be replaced where it stands.
#pragma once

#include "core/text/TextDocument.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

std::string LowerCase(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
bool EqualsNoCase(std::string_view a, std::string_view b);
// The first place of `needle` in `text` from `from`, letter case ignored; npos when none.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);
// The column of the first character that is not a space or a tab.
std::size_t IndentOf(std::string_view line);
// `line` without the spaces and tabs at its end.
std::string_view TrimmedEnd(std::string_view line);
// `text` without the spaces and tabs at either end.
std::string_view Trimmed(std::string_view text);

// A section header: a line of one or more bracketed names, "[Succeeded][BadTeamDead]", spaces
// around it allowed. Gives the names in lower case; none for any other line.
std::optional<std::vector<std::string>> SectionNames(std::string_view line);

// The name a section's header gives it: "[Failed]" gives "Failed".
constexpr std::string_view SectionName(std::string_view header) {
    return header.substr(1, header.size() - 2);
}

// A section: its header line and the lines up to the next header or the end of the file.
struct Section {
    std::size_t header;
    std::size_t end;
    std::vector<std::string> names;
    bool Named(std::string_view name) const; // letter case ignored
    std::size_t BodyBegin() const { return header + 1; }
};

std::vector<Section> SplitSections(const std::vector<std::string_view>& lines);

// The first section with one of `names` (letter case ignored) that holds more than blank lines, or
// else the first one with such a name: a stray empty header never hides the section that holds the
// text. The sections `taken` (read already for other parts of the file) are passed over.
std::optional<std::size_t> FindSection(const std::vector<Section>& sections,
                                       const std::vector<std::string_view>& lines,
                                       std::initializer_list<std::string_view> names,
                                       const std::vector<std::size_t>& taken = {});

// A key line: key, an equals sign, a value, with or without spaces around the sign, the value
// with or without double quotes. A quoted value runs from the first double quote after the
// sign to the last one in the line; an unquoted one to the end of the line, without the spaces
// at its end.
struct KeyLine {
    std::size_t keyBegin; // columns, so that the place outlives the text it was read from
    std::size_t keyEnd;
    std::size_t valueBegin;
    std::size_t valueEnd;
    bool quoted;
    std::string_view Key(std::string_view line) const {
        return line.substr(keyBegin, keyEnd - keyBegin);
    }
    std::string_view Value(std::string_view line) const {
        return line.substr(valueBegin, valueEnd - valueBegin);
    }
};
std::optional<KeyLine> ParseKeyLine(std::string_view line);

// Where a key's value stands: its line and the value's columns there.
struct KeyPlace {
    std::size_t line;
    KeyLine key;
};

// How a file writes its key lines, so that a line added to it looks like its neighbours.
// Whether it writes its keys in lower case is for the caller to tell.
struct KeyLineStyle {
    std::string indent;
    std::string beforeEquals = " ";
    std::string afterEquals = " ";
    bool quoted = true;
    bool lowerCaseKeys = false;
    bool operator==(const KeyLineStyle&) const = default;
};
KeyLineStyle StyleOf(std::string_view line, const KeyLine& key);
// The line `key` = `value` in `style`.
std::string FormatKeyLine(std::string_view key, std::string_view value, const KeyLineStyle& style);

// What goes between the value's columns of an existing key line: `value` itself, or, in an
// unquoted line, `value` in quotes when it would not read back without them (empty, spaces at
// either end, or a leading double quote).
std::string ValueForKeyLine(std::string_view value, bool quoted);

// Lines that end a text: a game command ("<$Config,...>") or a button or menu ("$Button=...").
bool IsCommandLine(std::string_view line);
bool IsBlank(std::string_view line);

// A heading, "<h2>" + text + "</h2>", perhaps followed on the same line by "<p>" and the
// start of a text. Columns of the heading's text and of the text after "<p>", if any.
struct HeadingLine {
    std::size_t textBegin;
    std::size_t textEnd;
    std::optional<std::size_t> paragraph;
};
std::optional<HeadingLine> ParseHeadingLine(std::string_view line);

// The column after "<p>" when the line starts a paragraph.
std::optional<std::size_t> ParagraphStart(std::string_view line);

// A text of one or more lines as a file holds it after its "<p>": its lines joined by CR LF,
// and where it stands.
struct ParagraphText {
    std::string value;
    TextPlace place;
};

// The text that starts at `column` of line `first` (just after its "<p>") and runs on to the
// line before the first command or button, or to `end`; blank lines at its end are the file's
// layout, not the text's, and so are blank lines at its start when "<p>" stands alone on its
// line and the text on the lines below it.
ParagraphText ReadParagraphText(const std::vector<std::string_view>& lines, std::size_t first,
                                std::size_t column, std::size_t end);

// Where a heading and the text after it stand: a message's section, a guide's overview.
struct HeadedTextPlace {
    std::optional<TextRange> heading;
    std::optional<std::size_t> paragraphLine; // where the text's "<p>" stands
    std::optional<TextPlace> text;
    std::optional<std::size_t> HeadingLine() const {
        return heading ? std::optional<std::size_t>(heading->begin.line) : std::nullopt;
    }
};

// A heading and its text as the pages show them (control characters as "?"), and their place.
struct HeadedText {
    std::string heading;
    std::string text;
    HeadedTextPlace place;
};

// The first heading of lines `begin` to `end` and the text of the first "<p>", on the
// heading's line or below it; a heading below the "<p>" belongs to no one.
HeadedText ReadHeadedText(const std::vector<std::string_view>& lines, std::size_t begin,
                          std::size_t end);

// Saving a changed heading: replaced where it stands, or a heading line inserted at `at`.
void SaveHeading(DocumentEdits& edits, const HeadedTextPlace& place, const std::string& heading,
                 std::size_t at);
// Saving a changed text: replaced where it stands, or `written` (the text as the writer writes
// it, "<p>" and all) inserted below the heading, or at `bodyBegin` when there is none.
void SaveText(DocumentEdits& edits, const HeadedTextPlace& place, const std::string& text,
              const std::vector<std::string>& written, std::size_t bodyBegin);

} // namespace vornask
