// The game reads its files as 8-bit text in the Windows-1252 code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornask {

// The byte that stands for the character `c` in the code page; none when it has no such byte.
std::optional<char> Windows1252ByteOf(char32_t c);

// UTF-16 text to Windows-1252 bytes; a character the code page cannot hold becomes '?'.
std::string EncodeWindows1252(std::u16string_view text);

// Windows-1252 bytes to UTF-16 text. The five bytes the code page leaves undefined map to
// the C1 control characters of the same value, so every byte survives a round trip.
std::u16string DecodeWindows1252(std::string_view bytes);

} // namespace vornask
