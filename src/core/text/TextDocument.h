// An opened file as the lines it holds, each with the break that ends it, so that saving it
// again writes the same bytes wherever nothing was changed. Changes are collected as edits of
// ranges of the text and applied in one pass.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

struct DocumentLine {
    std::string text;
    std::string lineBreak; // "\r\n", "\n", "\r", or empty for a last line that has none
    bool operator==(const DocumentLine&) const = default;
};

// A place in a document: a line and a byte in it. {lineCount, 0} is the end of the document.
struct TextPosition {
    std::size_t line = 0;
    std::size_t column = 0;
    auto operator<=>(const TextPosition&) const = default;
};

// The text from `begin` up to, not including, `end`. A range that ends at {n + 1, 0} takes the
// break of line n with it.
struct TextRange {
    TextPosition begin;
    TextPosition end;
    bool empty() const { return begin == end; }
    bool operator==(const TextRange&) const = default;
};

class TextDocument {
public:
    TextDocument() = default;
    // The lines of a file's whole text, with its breaks.
    explicit TextDocument(std::string_view text);
    // Lines as a new file is written: each followed by `lineBreak`. An entry may itself hold
    // CR LF breaks and then stands for several lines.
    static TextDocument FromLines(const std::vector<std::string>& lines,
                                  std::string_view lineBreak = "\r\n");
    static TextDocument FromDocumentLines(std::vector<DocumentLine> lines);

    const std::vector<DocumentLine>& Lines() const { return lines_; }
    std::size_t LineCount() const { return lines_.size(); }
    const std::string& Line(std::size_t index) const { return lines_[index].text; }
    std::vector<std::string> LineTexts() const;
    std::string Bytes() const;
    // The break most lines end with; CR LF when no line has one.
    std::string_view UsualBreak() const;

    // `lines` in the place of this document's lines (as edited in a source view): a line kept
    // from this document keeps its break, and a changed or new one gets the document's usual
    // break (none after the last line when this document ends without one). Kept lines are
    // those of a longest run of lines both share in order.
    TextDocument WithLines(const std::vector<std::string>& lines) const;

    bool operator==(const TextDocument&) const = default;

private:
    std::vector<DocumentLine> lines_;
};

// Changes to a document, collected in any order and applied at once. Ranges must not overlap;
// insertions at the same place come out in the order they were added, before a range that
// starts there.
class DocumentEdits {
public:
    // Puts `text` in the place of `range`. A break in `text` (CR LF, LF or CR) starts a new
    // line; the line before it gets the document's usual break.
    void Replace(TextRange range, std::string text);
    // Whole new lines before line `line` (the line count appends them at the end).
    void InsertLines(std::size_t line, const std::vector<std::string>& lines);
    // Lines `first` up to, not including, `end`, with their breaks.
    void RemoveLines(std::size_t first, std::size_t end);

    bool empty() const { return edits_.empty(); }
    TextDocument AppliedTo(const TextDocument& document) const;

private:
    struct Edit {
        TextRange range;
        std::vector<std::string> pieces; // the new text, split at its breaks
        std::size_t order;
    };
    std::vector<Edit> edits_;
};

} // namespace vornask
