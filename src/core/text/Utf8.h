// UTF-8, as the registry reader meets it in files and file names: decoding that never lets an
// ill-formed byte through, and encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornask {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The UTF-8 byte-order mark, which some editors put at a file's start.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct Utf8Character {
    char32_t codePoint = 0;
    std::size_t length = 0; // bytes taken from the text, at least 1
    bool valid = false;     // false: `length` ill-formed bytes, to be read as U+FFFD
};

// The character at the start of the non-empty `text`. An ill-formed sequence (an overlong
// form, a surrogate, a code point above U+10FFFF, a stray or missing continuation byte) is
// one invalid character per maximal part of a sequence that could have begun well, as
// Unicode recommends: "C0 AF" is two, "E2 98" cut short is one.
Utf8Character DecodeUtf8(std::string_view text);

// Appends `codePoint` (at most U+10FFFF, not a surrogate) as UTF-8.
void AppendUtf8(std::string& text, char32_t codePoint);

// `text` with every ill-formed part replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

} // namespace vornask
