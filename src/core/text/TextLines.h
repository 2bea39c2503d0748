// Files are lists of 8-bit lines, each followed by CR LF; memos hold text with line breaks.
#pragma once

#include <algorithm>
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

// The pieces of `text` between its breaks (LF, CR or CR LF); an empty text is one empty piece.
std::vector<std::string> SplitAtBreaks(std::string_view text);
// The pieces of each of `texts` in turn, appended to `pieces`.
void AppendSplitAtBreaks(const std::vector<std::string>& texts, std::vector<std::string>& pieces);
// The lines a text box holds: every line break (LF, CR or CR LF) ends one, so a break at the
// very end leaves an empty last line, as the box shows it. An empty text has no lines.
std::vector<std::string> SplitBoxLines(std::string_view text);

// The same lines as views into `text`.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// A line of a file and the break that ends it: "\r\n", "\n", "\r", or nothing for a last line
// that has none.
struct LineWithBreak {
    std::string_view text;
    std::string_view lineBreak;
};

// The lines of a file's text with their breaks, as views into `text`: joined again they give
// `text` back. A break at the very end adds no empty last line; an empty text has no lines.
std::vector<LineWithBreak> SplitLinesWithBreaks(std::string_view text);

// Calls `take` with a view of each line of `text` as separated by its line breaks (LF, CR or
// CR LF). What follows the last break is a line too when it is not empty, or always when
// `alwaysLastLine` (as for a line of a file that may hold breaks: each break adds a line).
template <class Take> void ForEachLine(std::string_view text, bool alwaysLastLine, Take take) {
    // Searching for each kind of break on its own is far faster than testing every character;
    // the next LF is looked for again only once it has been passed.
    std::size_t start = 0;
    std::size_t lf = text.find('\n');
    while (true) {
        if (lf != std::string_view::npos && lf < start)
            lf = text.find('\n', start);
        const std::size_t cr = text.substr(0, std::min(lf, text.size())).find('\r', start);
        const std::size_t lineBreak = cr != std::string_view::npos ? cr : lf;
        if (lineBreak == std::string_view::npos) {
            if (alwaysLastLine || start < text.size())
                take(text.substr(start));
            return;
        }
        take(text.substr(start, lineBreak - start));
        start = lineBreak + 1;
        if (lineBreak == cr && start < text.size() && text[start] == '\n')
            ++start;
    }
}

} // namespace vornask
