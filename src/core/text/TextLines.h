// Files are lists of 8-bit lines, each followed by CR LF; memos hold text with line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// The bytes of a file holding `lines`: every line, the last one too, followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// A memo's text with its line breaks (LF, CR or CR LF) written as CR LF, and none added at
// the end.
std::string WithCrLfLineBreaks(std::string_view text);

// The lines of a text as separated by its line breaks (LF, CR or CR LF). A break at the very
// end adds no empty last line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace vornask
