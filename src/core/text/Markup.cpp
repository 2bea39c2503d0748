#include "core/text/Markup.h"

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

std::optional<SectionHeader> ParseSectionHeader(std::string_view line) {
    if (!StartsSection(line))
        return std::nullopt;
    SectionHeader header;
    std::string_view rest = line;
    while (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        const std::string_view name =
            rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        header.names.push_back(LowerCase(Trimmed(name)));
        if (close == std::string_view::npos || close == 1) {
            header.clean = false;
            return header;
        }
        rest.remove_prefix(close + 1);
        rest.remove_prefix(IndentOf(rest));
    }
    header.clean = rest.empty();
    return header;
}

std::optional<std::vector<std::string>> SectionNames(std::string_view line) {
    std::optional<SectionHeader> header = ParseSectionHeader(line);
    if (!header)
        return std::nullopt;
    return std::move(header->names);
}

bool Section::Named(std::string_view name) const {
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view own) { return EqualsNoCase(own, name); });
}

std::vector<Section> SplitSections(const std::vector<std::string_view>& lines) {
    std::vector<Section> sections;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!StartsSection(lines[i]))
            continue; // most lines are passed at once
        if (std::optional<SectionHeader> header = ParseSectionHeader(lines[i])) {
            if (!sections.empty())
                sections.back().end = i;
            sections.push_back({i, lines.size(), std::move(header->names), header->clean});
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

namespace {

// `line` from `at` on, past spaces and the condition tags "<?...>" and "</?>".
std::size_t PastConditions(std::string_view line, std::size_t at) {
    while (true) {
        at += IndentOf(line.substr(at));
        const std::string_view rest = line.substr(at);
        if (!rest.starts_with("<?") && !rest.starts_with("</?>"))
            return at;
        const std::size_t close = rest.find('>');
        if (close == std::string_view::npos)
            return at;
        at += close + 1;
    }
}

} // namespace

bool IsCommandLine(std::string_view line) {
    std::size_t at = PastConditions(line, 0);
    if (line.substr(at).starts_with('$'))
        return true;
    bool any = false;
    while (line.substr(at).starts_with("<$")) {
        const std::size_t close = line.find('>', at);
        if (close == std::string_view::npos)
            return false;
        any = true;
        at = PastConditions(line, close + 1);
    }
    return any && at == line.size();
}

bool IsCommentLine(std::string_view line) {
    return line.substr(IndentOf(line)).starts_with("//");
}

bool IsBackgroundLine(std::string_view line) {
    const std::string_view rest = Trimmed(line);
    return StartsWithNoCase(rest, "<background") && rest.ends_with('>') &&
           rest.find('>') == rest.size() - 1;
}

bool IsLayoutLine(std::string_view line) {
    return IsCommandLine(line) || IsCommentLine(line) || IsBackgroundLine(line);
}

bool IsBlank(std::string_view line) {
    return IndentOf(line) == line.size();
}

} // namespace vornask
