#include "core/text/Windows1252.h"

#include <algorithm>
#include <array>

namespace vornask {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kReplacement = '?';

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The character starting at `i`, a surrogate pair read as one; `i` moves to its last unit.
char32_t NextCharacter(std::u16string_view text, std::size_t& i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        const char32_t high = text[i] - 0xD800u;
        const char32_t low = text[++i] - 0xDC00u;
        return 0x10000 + (high << 10) + low;
    }
    return text[i];
}

// The byte that holds `c` in the game's text, or nothing.
std::optional<char> ByteOf(char32_t c) {
    if (IsControlCharacter(c))
        return std::nullopt;
    return Windows1252ByteOf(c);
}

} // namespace

std::optional<char> Windows1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (found == kHighControls.end())
        return std::nullopt;
    return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

bool IsControlCharacter(char32_t c) {
    const bool lineLayout = c == u'\t' || c == u'\n' || c == u'\r';
    return (c < 0x20 && !lineLayout) || (c >= 0x7F && c <= 0x9F);
}

std::string EncodeWindows1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes.push_back(ByteOf(NextCharacter(text, i)).value_or(kReplacement));
    return bytes;
}

std::u32string LostInWindows1252(std::u16string_view text) {
    std::u32string lost;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = NextCharacter(text, i);
        if (!ByteOf(c) && lost.find(c) == std::u32string::npos)
            lost.push_back(c);
    }
    return lost;
}

namespace {

bool IsControlByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return IsControlCharacter(value >= 0x80 && value < 0xA0 ? kHighControls[value - 0x80] : value);
}

} // namespace

bool HoldsControlCharacter(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), IsControlByte);
}

std::string WithControlsReplaced(std::string_view bytes) {
    std::string text(bytes);
    std::replace_if(text.begin(), text.end(), IsControlByte, kReplacement);
    return text;
}

std::u16string DecodeWindows1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (unsigned char byte : bytes)
        text.push_back(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80]
                                                   : static_cast<char16_t>(byte));
    return text;
}

} // namespace vornask
