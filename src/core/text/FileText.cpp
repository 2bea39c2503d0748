#include "core/text/FileText.h"

#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <unordered_map>

namespace vornask {
namespace {

// The number of the line (from 1) that holds the byte at `offset`.
std::size_t LineNumberAt(std::string_view text, std::size_t offset) {
    std::size_t number = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++number;
    return number;
}

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// The well-formed UTF-8 sequences by their first byte: their length and the range of their
// second byte, narrowed where it would allow overlong forms, surrogates or code points beyond
// U+10FFFF.
struct Utf8Lead {
    unsigned char firstLow, firstHigh;
    std::size_t length;
    unsigned char secondLow, secondHigh;
};
constexpr Utf8Lead kUtf8Leads[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The length of the well-formed UTF-8 sequence at the start of `bytes` and its code point; a
// length of 0 when the sequence is broken (its first byte then stands for one bad character).
std::size_t Utf8Sequence(std::string_view bytes, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (byte(0) < 0x80) {
        codePoint = byte(0);
        return 1;
    }
    for (const Utf8Lead& lead : kUtf8Leads) {
        if (!InRange(byte(0), lead.firstLow, lead.firstHigh))
            continue;
        if (bytes.size() < lead.length || !InRange(byte(1), lead.secondLow, lead.secondHigh))
            return 0;
        codePoint = byte(0) & (0x7F >> lead.length);
        for (std::size_t i = 1; i < lead.length; ++i) {
            if (!InRange(byte(i), 0x80, 0xBF))
                return 0;
            codePoint = (codePoint << 6) | (byte(i) & 0x3F);
        }
        return lead.length;
    }
    return 0;
}

// A line of UTF-8 as Windows-1252; `replaced` tells whether any character became "?".
std::string Windows1252FromUtf8(std::string_view line, bool& replaced) {
    std::string text;
    text.reserve(line.size());
    replaced = false;
    while (!line.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = Utf8Sequence(line, codePoint);
        const std::optional<char> byte =
            length > 0 ? Windows1252ByteOf(codePoint) : std::optional<char>();
        replaced = replaced || !byte;
        text.push_back(byte.value_or('?'));
        line.remove_prefix(length > 0 ? length : 1);
    }
    return text;
}

// Calls `take` with every line that saving `savedLines` writes, in order.
template <class Take> void ForEachSavedLine(const std::vector<std::string>& savedLines, Take take) {
    for (const std::string& entry : savedLines)
        ForEachLine(entry, true, take);
}

} // namespace

FileText::FileText(std::string_view bytes, ReadReport& report) {
    if (bytes.size() > kMaxReadableFileBytes) {
        report.refusal = Refusal{RefusalReason::TooLarge, bytes.size()};
        return;
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        report.refusal = Refusal{RefusalReason::HoldsNulByte, LineNumberAt(bytes, nul)};
        return;
    }
    // Only a file with more bytes than the bound has lines could have too many.
    if (bytes.size() > kMaxReadableFileLines) {
        std::size_t lines = 0;
        ForEachLine(bytes, false, [&lines](std::string_view) { ++lines; });
        if (lines > kMaxReadableFileLines) {
            report.refusal = Refusal{RefusalReason::TooManyLines, lines};
            return;
        }
    }
    if (!bytes.starts_with(kUtf8ByteOrderMark)) {
        text_ = bytes;
        lines_ = SplitLineViews(text_);
        return;
    }
    report.encoding = TextEncoding::Utf8;
    const std::vector<LineWithBreak> lines =
        SplitLinesWithBreaks(bytes.substr(kUtf8ByteOrderMark.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool replaced = false;
        const std::string text = Windows1252FromUtf8(lines[i].text, replaced);
        if (replaced)
            report.replacedCharacters.push_back({i + 1, text});
        converted_.append(text).append(lines[i].lineBreak);
    }
    text_ = converted_;
    lines_ = SplitLineViews(text_);
}

std::optional<std::size_t> FileText::FindSection(std::string_view header, RefusalReason missing,
                                                 ReadReport& report) const {
    if (report.refusal)
        return std::nullopt;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i] == header)
            return i;
    report.refusal = Refusal{missing};
    return std::nullopt;
}

std::vector<FileLine> LinesNotKept(const std::vector<std::string_view>& fileLines,
                                   const std::vector<std::string>& savedLines) {
    if (SavesTheSameLines(fileLines, savedLines))
        return {};
    std::unordered_map<std::string_view, std::size_t> saved;
    ForEachSavedLine(savedLines, [&saved](std::string_view line) { ++saved[line]; });
    std::vector<FileLine> notKept;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const auto found = saved.find(fileLines[i]);
        if (found != saved.end() && found->second > 0)
            --found->second;
        else
            notKept.push_back({i + 1, std::string(fileLines[i])});
    }
    return notKept;
}

bool SavesTheSameLines(const std::vector<std::string_view>& fileLines,
                       const std::vector<std::string>& savedLines) {
    std::size_t next = 0;
    bool same = true;
    ForEachSavedLine(savedLines, [&](std::string_view line) {
        same = same && next < fileLines.size() && fileLines[next] == line;
        ++next;
    });
    return same && next == fileLines.size();
}

} // namespace vornask
