// Arbitrary sections through the preview's reader: whatever they hold, the page is well formed
// (every line's runs in order within the page's text, none empty, no two alike in a row, no line
// end, tab or control character left in the text), the flags are named once each and do not
// depend on which are set, and a text without markup keeps every character but white space.
#include "Check.h"
#include "core/preview/DrawnPage.h"
#include "core/text/Markup.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <string_view>

using namespace vornask;

namespace {

void CheckRuns(const DrawnPage& page, const Block& block, std::size_t& nextRun,
               std::size_t& nextText) {
    if (block.runCount == 0)
        return;
    Check(block.firstRun == nextRun && block.firstRun + block.runCount <= page.runs.size());
    const Run* before = nullptr;
    for (const Run& run : page.RunsOf(block)) {
        Check(run.begin == nextText && run.size > 0 && run.begin + run.size <= page.text.size());
        nextText = run.begin + run.size;
        if (before)
            Check(run.picture || before->picture || run.style != before->style);
        before = &run;
        const std::string_view text = page.TextOf(run);
        Check(text.find_first_of("\r\n\t") == std::string_view::npos);
        Check(!HoldsControlCharacter(text));
    }
    nextRun = block.firstRun + block.runCount;
}

void CheckWellFormed(const DrawnPage& page) {
    // The title's runs come before, between or after the lines', each in one piece.
    std::size_t nextRun = 0;
    std::size_t nextText = 0;
    bool titleChecked = page.title.runCount == 0;
    for (const Block& block : page.blocks) {
        Check(block.runCount > 0 || &block != &page.blocks.back());
        if (!titleChecked && page.title.firstRun == nextRun) {
            CheckRuns(page, page.title, nextRun, nextText);
            titleChecked = true;
        }
        CheckRuns(page, block, nextRun, nextText);
    }
    if (!titleChecked)
        CheckRuns(page, page.title, nextRun, nextText);
    Check(nextRun == page.runs.size() && nextText == page.text.size());
    for (std::size_t i = 0; i < page.flags.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            Check(!EqualsNoCase(page.flags[i], page.flags[j]));
}

std::string WithoutWhiteSpace(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            kept += c;
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitAtBreaks(bytes);
    const DrawnPage page = DrawSection(lines, {});
    CheckWellFormed(page);
    // Every flag set: the same flags, another page perhaps, as well formed.
    const DrawnPage set = DrawSection(lines, {"Island1", page.flags});
    CheckWellFormed(set);
    Check(set.flags == page.flags);
    Check(DrawSection(lines, {}) == page);
    // Words without markup are drawn as they stand.
    const bool plain =
        bytes.find_first_of("<~{$") == std::string_view::npos && !HoldsControlCharacter(bytes);
    if (plain)
        Check(WithoutWhiteSpace(page.text) == WithoutWhiteSpace(bytes));
    return 0;
}
