// The game reads its files as 8-bit text in the Windows-1252 code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornask {

// The byte that stands for the character `c` in the code page; none when it has no such byte.
std::optional<char> Windows1252ByteOf(char32_t c);

// Control characters have no place in the game's text: those below 0x20 other than tab and
// the line breaks (which the controls' own rules deal with), DEL, and U+0080 to U+009F.
bool IsControlCharacter(char32_t c);

// UTF-16 text to Windows-1252 bytes; a character the game's text cannot hold (outside the
// code page, or a control character) becomes '?'.
std::string EncodeWindows1252(std::u16string_view text);

// The characters of `text` that `EncodeWindows1252` replaces, each once, in the order they
// first appear.
std::u32string LostInWindows1252(std::u16string_view text);

// Whether any byte of `bytes` stands for a control character.
bool HoldsControlCharacter(std::string_view bytes);

// `bytes` as a box that shows them captures them again: every byte that stands for a control
// character becomes '?'.
std::string WithControlsReplaced(std::string_view bytes);

// Windows-1252 bytes to UTF-16 text. The five bytes the code page leaves undefined map to
// the C1 control characters of the same value.
std::u16string DecodeWindows1252(std::string_view bytes);

} // namespace vornask
