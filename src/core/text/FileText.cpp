#include "core/text/FileText.h"

#include "core/text/TextLines.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <unordered_map>
#include <utility>

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

Utf8Character DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>(high << 8 | low);
    };
    if (bytes.size() < 2)
        return {kReplacementCharacter, bytes.size(), false};
    const char32_t first = unit(0);
    if (first < 0xD800 || first > 0xDFFF)
        return {first, 2, true};
    if (first <= 0xDBFF && bytes.size() >= 4)
        if (const char32_t second = unit(2); second >= 0xDC00 && second <= 0xDFFF)
            return {0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00), 4, true};
    return {kReplacementCharacter, 2, false}; // a surrogate without its partner
}

Utf8Character DecodeUtf16LittleEndian(std::string_view bytes) {
    return DecodeUtf16(bytes, false);
}

Utf8Character DecodeUtf16BigEndian(std::string_view bytes) {
    return DecodeUtf16(bytes, true);
}

using Decoder = Utf8Character (*)(std::string_view);

// `bytes` decoded by `decode` as Windows-1252 text, each character the code page lacks and each
// broken sequence becoming "?"; `replacedLines` gets the numbers of the lines where that
// happened. The line breaks stay as they are.
std::string Converted(std::string_view bytes, Decoder decode,
                      std::vector<std::size_t>& replacedLines) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t line = 1;
    bool afterCr = false;
    while (!bytes.empty()) {
        const Utf8Character c = decode(bytes);
        bytes.remove_prefix(c.length);
        const std::optional<char> byte =
            c.valid ? Windows1252ByteOf(c.codePoint) : std::optional<char>();
        if (!byte && (replacedLines.empty() || replacedLines.back() != line))
            replacedLines.push_back(line);
        text.push_back(byte.value_or('?'));
        // CR LF is one break, CR and LF alone one each.
        if (text.back() == '\r' || (text.back() == '\n' && !afterCr))
            ++line;
        afterCr = text.back() == '\r';
    }
    return text;
}

// How `bytes` are to be decoded, and how many bytes of them are the mark that says so; no
// decoder for Windows-1252, whose bytes are the text.
std::pair<Decoder, std::size_t> DecoderOf(std::string_view bytes, TextDecoding decoding,
                                          TextEncoding& encoding) {
    const struct {
        std::string_view mark;
        TextEncoding encoding;
        Decoder decode;
    } marks[] = {
        {kUtf8ByteOrderMark, TextEncoding::Utf8, DecodeUtf8},
        {kUtf16LittleEndianMark, TextEncoding::Utf16, DecodeUtf16LittleEndian},
        {kUtf16BigEndianMark, TextEncoding::Utf16, DecodeUtf16BigEndian},
    };
    for (const auto& [mark, marked, decode] : marks)
        if (bytes.starts_with(mark)) {
            encoding = marked;
            return {decode, mark.size()};
        }
    if (decoding == TextDecoding::Utf8) {
        encoding = TextEncoding::Utf8;
        return {DecodeUtf8, 0};
    }
    encoding = TextEncoding::Windows1252;
    return {nullptr, 0};
}

// Calls `take` with every line that saving `savedLines` writes, in order.
template <class Take> void ForEachSavedLine(const std::vector<std::string>& savedLines, Take take) {
    for (const std::string& entry : savedLines)
        ForEachLine(entry, true, take);
}

} // namespace

bool LooksLikeUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return false;
    bool beyondAscii = false;
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes.front()) < 0x80) {
            bytes.remove_prefix(1);
            continue;
        }
        const Utf8Character c = DecodeUtf8(bytes);
        if (!c.valid)
            return false;
        beyondAscii = true;
        bytes.remove_prefix(c.length);
    }
    return beyondAscii;
}

FileText::FileText(std::string_view bytes, ReadReport& report, TextDecoding decoding) {
    if (bytes.size() > kMaxReadableFileBytes) {
        report.refusal = Refusal{RefusalReason::TooLarge, bytes.size()};
        return;
    }
    const auto [decode, markSize] = DecoderOf(bytes, decoding, report.encoding);
    std::vector<std::size_t> replacedLines;
    if (decode) {
        converted_ = Converted(bytes.substr(markSize), decode, replacedLines);
        text_ = converted_;
    } else {
        text_ = bytes;
    }
    if (const std::size_t nul = text_.find('\0'); nul != std::string_view::npos) {
        report.refusal = Refusal{RefusalReason::HoldsNulByte, LineNumberAt(text_, nul)};
        text_ = {};
        return;
    }
    // Only a text with more characters than the bound has lines could have too many.
    if (text_.size() > kMaxReadableFileLines) {
        std::size_t lines = 0;
        ForEachLine(text_, false, [&lines](std::string_view) { ++lines; });
        if (lines > kMaxReadableFileLines) {
            report.refusal = Refusal{RefusalReason::TooManyLines, lines};
            text_ = {};
            return;
        }
    }
    lines_ = SplitLineViews(text_);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].size() > kMaxLineBytes) {
            report.refusal = Refusal{RefusalReason::LineTooLong, i + 1};
            lines_.clear();
            text_ = {};
            return;
        }
    for (const std::size_t number : replacedLines)
        report.replacedCharacters.push_back({number, std::string(lines_[number - 1])});
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (HoldsControlCharacter(lines_[i]))
            report.controlCharacters.push_back({i + 1, std::string(lines_[i])});
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

std::optional<Refusal> TextLinesRefusal(std::size_t lines) {
    if (lines <= kMaxTextLines)
        return std::nullopt;
    return Refusal{RefusalReason::TextTooLong, lines};
}

} // namespace vornask
