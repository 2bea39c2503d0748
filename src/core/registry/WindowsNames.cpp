#include "core/registry/WindowsNames.h"

#include "core/text/Utf8.h"

#include <algorithm>

namespace vornask {
namespace {

// Lower-case letters from `first` to `last`, every `step`-th one, whose upper case lies
// `offset` away. Pairs of one upper- and one lower-case letter in turn have a step of 2.
struct CaseRange {
    char32_t first, last;
    int step, offset;
};

// Unicode's simple upper-case mappings for the blocks names are written in here.
constexpr CaseRange kCaseRanges[] = {
    // ASCII and Latin-1
    {0x0061, 0x007A, 1, -32}, // a-z
    {0x00B5, 0x00B5, 1, 743}, // micro sign -> Greek capital mu
    {0x00E0, 0x00F6, 1, -32}, // à-ö
    {0x00F8, 0x00FE, 1, -32}, // ø-þ
    {0x00FF, 0x00FF, 1, 121}, // ÿ -> Ÿ
    // Latin Extended-A
    {0x0101, 0x012F, 2, -1},   // ā-į
    {0x0131, 0x0131, 1, -232}, // dotless ı -> I
    {0x0133, 0x0137, 2, -1},   // ĳ-ķ
    {0x013A, 0x0148, 2, -1},   // ĺ-ň
    {0x014B, 0x0177, 2, -1},   // ŋ-ŷ
    {0x017A, 0x017E, 2, -1},   // ź-ž
    {0x017F, 0x017F, 1, -300}, // long ſ -> S
    // Greek
    {0x0371, 0x0373, 2, -1},   // ͱ ͳ
    {0x0377, 0x0377, 1, -1},   // ͷ
    {0x037B, 0x037D, 1, 130},  // ͻ-ͽ
    {0x03AC, 0x03AC, 1, -38},  // ά
    {0x03AD, 0x03AF, 1, -37},  // έ-ί
    {0x03B1, 0x03C1, 1, -32},  // α-ρ
    {0x03C2, 0x03C2, 1, -31},  // final ς -> Σ
    {0x03C3, 0x03CB, 1, -32},  // σ-ϋ
    {0x03CC, 0x03CC, 1, -64},  // ό
    {0x03CD, 0x03CE, 1, -63},  // ύ ώ
    {0x03D0, 0x03D0, 1, -62},  // ϐ -> Β
    {0x03D1, 0x03D1, 1, -57},  // ϑ -> Θ
    {0x03D5, 0x03D5, 1, -47},  // ϕ -> Φ
    {0x03D6, 0x03D6, 1, -54},  // ϖ -> Π
    {0x03D7, 0x03D7, 1, -8},   // ϗ -> Ϗ
    {0x03D9, 0x03EF, 2, -1},   // ϙ-ϯ
    {0x03F0, 0x03F0, 1, -86},  // ϰ -> Κ
    {0x03F1, 0x03F1, 1, -80},  // ϱ -> Ρ
    {0x03F2, 0x03F2, 1, 7},    // ϲ -> Ϲ
    {0x03F3, 0x03F3, 1, -116}, // ϳ -> Ϳ
    {0x03F5, 0x03F5, 1, -96},  // ϵ -> Ε
    {0x03F8, 0x03F8, 1, -1},   // ϸ
    {0x03FB, 0x03FB, 1, -1},   // ϻ
    // Cyrillic
    {0x0430, 0x044F, 1, -32}, // а-я
    {0x0450, 0x045F, 1, -80}, // ѐ-џ
    {0x0461, 0x0481, 2, -1},  // ѡ-ҁ
    {0x048B, 0x04BF, 2, -1},  // ҋ-ҿ
    {0x04C2, 0x04CE, 2, -1},  // ӂ-ӎ
    {0x04CF, 0x04CF, 1, -15}, // ӏ -> Ӏ
    {0x04D1, 0x052F, 2, -1},  // ӑ-ԯ
};

// An ill-formed byte as a value no character has, so that it equals only the same byte.
char32_t IllFormedByte(unsigned char byte) {
    return 0x110000 + byte;
}

// The characters of a UTF-8 name, upper-cased one by one.
class UpperCasedCharacters {
public:
    explicit UpperCasedCharacters(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    char32_t Next() {
        const Utf8Character c = DecodeUtf8(rest_);
        const char32_t value = c.valid ? WindowsUpperCase(c.codePoint)
                                       : IllFormedByte(static_cast<unsigned char>(rest_[0]));
        rest_.remove_prefix(c.valid ? c.length : 1);
        return value;
    }

private:
    std::string_view rest_;
};

} // namespace

char32_t WindowsUpperCase(char32_t c) {
    if (c < 0x61 || c > kCaseRanges[std::size(kCaseRanges) - 1].last)
        return c;
    for (const CaseRange& range : kCaseRanges) {
        if (c < range.first)
            break;
        if (c <= range.last && (c - range.first) % range.step == 0)
            return static_cast<char32_t>(static_cast<int>(c) + range.offset);
    }
    return c;
}

bool SameWindowsName(std::string_view a, std::string_view b) {
    UpperCasedCharacters left(a);
    UpperCasedCharacters right(b);
    while (!left.AtEnd() && !right.AtEnd())
        if (left.Next() != right.Next())
            return false;
    return left.AtEnd() && right.AtEnd();
}

std::u32string WindowsNameKey(std::string_view name) {
    std::u32string key;
    key.reserve(name.size());
    for (UpperCasedCharacters characters(name); !characters.AtEnd();)
        key += characters.Next();
    return key;
}

} // namespace vornask
