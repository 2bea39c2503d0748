#include "core/text/Markup.h"

#include "core/text/Windows1252.h"

#include <algorithm>

namespace vornask {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

constexpr std::string_view kHeadingStart = "<h2>";
constexpr std::string_view kHeadingEnd = "</h2>";
constexpr std::string_view kParagraph = "<p>";

} // namespace

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           SameNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return SameNoCase(a, b);
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at)
        if (SameNoCase(text.substr(at, needle.size()), needle))
            return at;
    return std::string_view::npos;
}

std::size_t IndentOf(std::string_view line) {
    std::size_t column = 0;
    while (column < line.size() && IsSpace(line[column]))
        ++column;
    return column;
}

std::string_view TrimmedEnd(std::string_view line) {
    while (!line.empty() && IsSpace(line.back()))
        line.remove_suffix(1);
    return line;
}

std::string_view Trimmed(std::string_view text) {
    return TrimmedEnd(text.substr(IndentOf(text)));
}

std::optional<std::vector<std::string>> SectionNames(std::string_view line) {
    std::string_view rest = Trimmed(line);
    if (!rest.starts_with('[') || !rest.ends_with(']'))
        return std::nullopt;
    std::vector<std::string> names;
    while (!rest.empty()) {
        const std::size_t close = rest.find(']');
        if (!rest.starts_with('[') || close == std::string_view::npos || close == 1)
            return std::nullopt;
        std::string_view name = rest.substr(1, close - 1);
        name = Trimmed(name);
        names.push_back(LowerCase(name));
        rest.remove_prefix(close + 1);
        rest.remove_prefix(IndentOf(rest));
    }
    return names;
}

bool Section::Named(std::string_view name) const {
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view own) { return EqualsNoCase(own, name); });
}

std::vector<Section> SplitSections(const std::vector<std::string_view>& lines) {
    std::vector<Section> sections;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Only a line that starts with a bracket can be a header: most lines are passed at once.
        const std::size_t indent = IndentOf(lines[i]);
        if (indent >= lines[i].size() || lines[i][indent] != '[')
            continue;
        if (std::optional<std::vector<std::string>> names = SectionNames(lines[i])) {
            if (!sections.empty())
                sections.back().end = i;
            sections.push_back({i, lines.size(), std::move(*names)});
        }
    }
    return sections;
}

std::optional<std::size_t> FindSection(const std::vector<Section>& sections,
                                       const std::vector<std::string_view>& lines,
                                       std::initializer_list<std::string_view> names,
                                       const std::vector<std::size_t>& taken) {
    std::optional<std::size_t> first;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const Section& section = sections[s];
        if (std::find(taken.begin(), taken.end(), s) != taken.end() ||
            std::none_of(names.begin(), names.end(),
                         [&section](std::string_view name) { return section.Named(name); }))
            continue;
        for (std::size_t i = section.BodyBegin(); i < section.end; ++i)
            if (!IsBlank(lines[i]))
                return s;
        if (!first)
            first = s;
    }
    return first;
}

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::size_t keyBegin = IndentOf(line);
    const std::string_view key =
        TrimmedEnd(line.substr(keyBegin, equals - std::min(equals, keyBegin)));
    if (key.empty() || std::any_of(key.begin(), key.end(), IsSpace))
        return std::nullopt;
    const std::size_t valueStart = equals + 1 + IndentOf(line.substr(equals + 1));
    const std::size_t keyEnd = keyBegin + key.size();
    const std::size_t lastQuote = line.rfind('"');
    if (valueStart < line.size() && line[valueStart] == '"' && lastQuote > valueStart)
        return KeyLine{keyBegin, keyEnd, valueStart + 1, lastQuote, true};
    return KeyLine{keyBegin, keyEnd, valueStart, std::max(valueStart, TrimmedEnd(line).size()),
                   false};
}

KeyLineStyle StyleOf(std::string_view line, const KeyLine& key) {
    KeyLineStyle style;
    const std::size_t equals = line.find('=', key.keyEnd);
    style.indent = line.substr(0, key.keyBegin);
    style.beforeEquals = line.substr(key.keyEnd, equals - key.keyEnd);
    const std::size_t valueStart = key.quoted ? key.valueBegin - 1 : key.valueBegin;
    style.afterEquals = line.substr(equals + 1, valueStart - equals - 1);
    style.quoted = key.quoted;
    return style;
}

std::string FormatKeyLine(std::string_view key, std::string_view value, const KeyLineStyle& style) {
    std::string line = style.indent;
    line += style.lowerCaseKeys ? LowerCase(key) : std::string(key);
    line.append(style.beforeEquals).append("=").append(style.afterEquals);
    if (style.quoted)
        line.append("\"").append(value).append("\"");
    else
        line += ValueForKeyLine(value, false);
    return line;
}

std::string ValueForKeyLine(std::string_view value, bool quoted) {
    const bool needsQuotes =
        value.empty() || IsSpace(value.front()) || IsSpace(value.back()) || value.front() == '"';
    if (quoted || !needsQuotes)
        return std::string(value);
    return "\"" + std::string(value) + "\"";
}

bool IsCommandLine(std::string_view line) {
    const std::string_view rest = line.substr(IndentOf(line));
    return rest.starts_with('$') || rest.starts_with("<$");
}

bool IsBlank(std::string_view line) {
    return IndentOf(line) == line.size();
}

std::optional<HeadingLine> ParseHeadingLine(std::string_view line) {
    const std::size_t begin = IndentOf(line);
    if (!StartsWithNoCase(line.substr(begin), kHeadingStart))
        return std::nullopt;
    const std::size_t textBegin = begin + kHeadingStart.size();
    const std::string_view trimmed = TrimmedEnd(line);
    // A heading may itself hold "</h2>": the one that ends the line closes it.
    if (trimmed.size() >= textBegin + kHeadingEnd.size() && EndsWithNoCase(trimmed, kHeadingEnd))
        return HeadingLine{textBegin, trimmed.size() - kHeadingEnd.size(), std::nullopt};
    const std::size_t withText = FindNoCase(line, "</h2><p>", textBegin);
    if (withText != std::string_view::npos)
        return HeadingLine{textBegin, withText, withText + kHeadingEnd.size() + kParagraph.size()};
    const std::size_t end = FindNoCase(line, kHeadingEnd, textBegin);
    if (end == std::string_view::npos)
        return std::nullopt;
    return HeadingLine{textBegin, end, std::nullopt};
}

std::optional<std::size_t> ParagraphStart(std::string_view line) {
    const std::size_t begin = IndentOf(line);
    if (!StartsWithNoCase(line.substr(begin), kParagraph))
        return std::nullopt;
    return begin + kParagraph.size();
}

ParagraphText ReadParagraphText(const std::vector<std::string_view>& lines, std::size_t first,
                                std::size_t column, std::size_t end) {
    std::optional<std::size_t> top; // the first line below that is not blank
    std::size_t last = first;
    for (std::size_t i = first + 1; i < end && !IsCommandLine(lines[i]); ++i)
        if (!IsBlank(lines[i])) {
            top = top.value_or(i);
            last = i;
        }
    const std::string_view rest = lines[first].substr(column);
    const bool wholeLines = rest.empty() && top;
    ParagraphText text;
    const std::size_t from = wholeLines ? *top : first;
    for (std::size_t i = from; i <= last; ++i) {
        if (i > from)
            text.value += "\r\n";
        text.value += i == first ? rest : lines[i];
    }
    if (wholeLines)
        text.place = {{{from, 0}, {last + 1, 0}}, true};
    else
        text.place = {{{first, column}, {last, lines[last].size()}}, false};
    return text;
}

HeadedText ReadHeadedText(const std::vector<std::string_view>& lines, std::size_t begin,
                          std::size_t end) {
    HeadedText read;
    std::optional<std::size_t> textColumn;
    for (std::size_t i = begin; i < end && !read.place.paragraphLine; ++i) {
        if (!read.place.heading)
            if (const std::optional<HeadingLine> heading = ParseHeadingLine(lines[i])) {
                read.place.heading = TextRange{{i, heading->textBegin}, {i, heading->textEnd}};
                read.heading = WithControlsReplaced(
                    lines[i].substr(heading->textBegin, heading->textEnd - heading->textBegin));
                if (heading->paragraph) {
                    read.place.paragraphLine = i;
                    textColumn = heading->paragraph;
                }
                continue;
            }
        if (const std::optional<std::size_t> paragraph = ParagraphStart(lines[i])) {
            read.place.paragraphLine = i;
            textColumn = paragraph;
        }
    }
    if (read.place.paragraphLine) {
        const ParagraphText text =
            ReadParagraphText(lines, *read.place.paragraphLine, *textColumn, end);
        read.text = WithControlsReplaced(text.value);
        read.place.text = text.place;
    }
    return read;
}

void SaveHeading(DocumentEdits& edits, const HeadedTextPlace& place, const std::string& heading,
                 std::size_t at) {
    if (place.heading)
        edits.Replace(*place.heading, heading);
    else
        edits.InsertLines(at, {std::string(kHeadingStart).append(heading).append(kHeadingEnd)});
}

void SaveText(DocumentEdits& edits, const HeadedTextPlace& place, const std::string& text,
              const std::vector<std::string>& written, std::size_t bodyBegin) {
    if (place.text)
        edits.ReplaceText(*place.text, text);
    else
        edits.InsertLines(place.HeadingLine() ? *place.HeadingLine() + 1 : bodyBegin, written);
}

} // namespace vornask
