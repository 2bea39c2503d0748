// The shapes of lines in the game's text files, read as the game reads them: section headers,
// key lines and tags in any letter case, values with or without quotes, spaces around them.
// Places are columns in the line, so that a value can be replaced where it stands.
#pragma once

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

// A section header as the game reads it: a line whose first character is "[". Its names are
// the bracketed names at its start, "[Succeeded][BadTeamDead]" giving two, in lower case; a line
// such as "[Chapter One] begins" or "[oops" starts a section all the same, but is no clean
// header: more than bracketed names and spaces. Gives none for any other line, also for one
// with spaces before its "[": the game reads that as text.
struct SectionHeader {
    std::vector<std::string> names;
    bool clean = true;
};
std::optional<SectionHeader> ParseSectionHeader(std::string_view line);
// Whether the game reads `line` as the start of a section: so a line of a text must not begin.
constexpr bool StartsSection(std::string_view line) {
    return line.starts_with('[');
}
// The names of a section header; none for any other line.
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
    bool clean = true;                       // see SectionHeader
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

// A line of commands alone: a button or menu line ("$Button=...", to the line's end), or
// game commands ("<$Config,...>") and nothing else but spaces, either perhaps inside
// conditions ("<?{flag}>" ... "</?>"). The game draws no text for it.
bool IsCommandLine(std::string_view line);
// A comment: "//" first on the line.
bool IsCommentLine(std::string_view line);
// A background picture alone ("<background=...>"): a page's look, not its text.
bool IsBackgroundLine(std::string_view line);
// A line that belongs to no text the pages show: commands, comments and backgrounds keep
// their place and bytes whatever a box does.
bool IsLayoutLine(std::string_view line);
bool IsBlank(std::string_view line);

} // namespace vornask
