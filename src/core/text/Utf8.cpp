#include "core/text/Utf8.h"

namespace vornask {
namespace {

struct LeadByte {
    unsigned char first, last; // the lead bytes this row describes
    std::size_t length;        // bytes in the whole sequence
    unsigned char secondMin, secondMax;
};

// The well-formed sequences of the Unicode standard (its table "Well-Formed UTF-8 Byte
// Sequences"): the second byte's range shuts out overlong forms, surrogates and code points
// above U+10FFFF. Every later byte is 80..BF.
constexpr LeadByte kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

const LeadByte* RowOf(unsigned char lead) {
    for (const LeadByte& row : kLeadBytes)
        if (lead >= row.first && lead <= row.last)
            return &row;
    return nullptr;
}

bool IsContinuation(unsigned char byte, std::size_t position, const LeadByte& row) {
    if (position == 1)
        return byte >= row.secondMin && byte <= row.secondMax;
    return byte >= 0x80 && byte <= 0xBF;
}

} // namespace

Utf8Character DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (byte(0) < 0x80)
        return {byte(0), 1, true};
    const LeadByte* row = RowOf(byte(0));
    if (!row)
        return {kReplacementCharacter, 1, false};
    char32_t codePoint = byte(0) & (0x7F >> row->length);
    for (std::size_t i = 1; i < row->length; ++i) {
        if (i >= text.size() || !IsContinuation(byte(i), i, *row))
            return {kReplacementCharacter, i, false};
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    return {codePoint, row->length, true};
}

void AppendUtf8(std::string& text, char32_t c) {
    const auto add = [&text](char32_t byte) { text += static_cast<char>(byte); };
    if (c < 0x80) {
        add(c);
    } else if (c < 0x800) {
        add(0xC0 | (c >> 6));
        add(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        add(0xE0 | (c >> 12));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    } else {
        add(0xF0 | (c >> 18));
        add(0x80 | ((c >> 12) & 0x3F));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    }
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const Utf8Character c = DecodeUtf8(text);
        if (c.valid)
            valid += text.substr(0, c.length);
        else
            AppendUtf8(valid, kReplacementCharacter);
        text.remove_prefix(c.length);
    }
    return valid;
}

} // namespace vornask
