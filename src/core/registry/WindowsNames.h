// Names as Windows compares them: file, folder, registry key and value names are equal when
// they differ only in letter case.
#pragma once

#include <string>
#include <string_view>

namespace vornask {

// The upper-case form of one character, one to one as Windows upper-cases names for
// comparing them (no character becomes two, so "ß" stays). Covers ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic; any other character is its own upper case.
char32_t WindowsUpperCase(char32_t c);

// Whether the UTF-8 names `a` and `b` are the same name to Windows: equal character by
// character after upper-casing. Ill-formed bytes compare as themselves, never as letters.
bool SameWindowsName(std::string_view a, std::string_view b);

// The UTF-8 name `name` upper-cased character by character, ill-formed bytes kept apart from
// every character: two names are the same name to Windows when their keys are equal.
std::u32string WindowsNameKey(std::string_view name);

} // namespace vornask
