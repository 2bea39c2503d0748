#include "core/text/TextDocument.h"

#include "core/text/TextLines.h"

#include <algorithm>
#include <optional>

namespace vornask {

namespace {

constexpr std::string_view kCrLf = "\r\n";

} // namespace

TextDocument::TextDocument(std::string_view text) {
    const std::vector<LineWithBreak> lines = SplitLinesWithBreaks(text);
    lines_.reserve(lines.size());
    for (const LineWithBreak& line : lines)
        lines_.push_back({std::string(line.text), std::string(line.lineBreak)});
}

TextDocument TextDocument::FromLines(const std::vector<std::string>& lines,
                                     std::string_view lineBreak) {
    TextDocument document;
    for (const std::string& entry : lines)
        for (std::string& line : SplitAtBreaks(entry))
            document.lines_.push_back({std::move(line), std::string(lineBreak)});
    return document;
}

TextDocument TextDocument::FromDocumentLines(std::vector<DocumentLine> lines) {
    TextDocument document;
    document.lines_ = std::move(lines);
    return document;
}

std::vector<std::string> TextDocument::LineTexts() const {
    std::vector<std::string> texts;
    texts.reserve(lines_.size());
    for (const DocumentLine& line : lines_)
        texts.push_back(line.text);
    return texts;
}

std::string TextDocument::Bytes() const {
    std::size_t size = 0;
    for (const DocumentLine& line : lines_)
        size += line.text.size() + line.lineBreak.size();
    std::string bytes;
    bytes.reserve(size);
    for (const DocumentLine& line : lines_)
        bytes.append(line.text).append(line.lineBreak);
    return bytes;
}

std::string_view TextDocument::UsualBreak() const {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
    for (const DocumentLine& line : lines_) {
        crLf += line.lineBreak == kCrLf;
        lf += line.lineBreak == "\n";
        cr += line.lineBreak == "\r";
    }
    if (lf > crLf && lf >= cr)
        return "\n";
    if (cr > crLf && cr > lf)
        return "\r";
    return kCrLf;
}

namespace {

// A diff of two lists of lines (Myers' algorithm, which finds a longest run of lines both
// share in order): for each line of `b`, the line of `a` it is kept from. Gives up past
// `mostEdits` lines added or removed; the caller then matches lines by place.
std::optional<std::vector<std::optional<std::size_t>>>
MatchLines(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
           std::size_t mostEdits) {
    const auto n = static_cast<std::ptrdiff_t>(a.size());
    const auto m = static_cast<std::ptrdiff_t>(b.size());
    const auto most =
        static_cast<std::ptrdiff_t>(std::min<std::size_t>(a.size() + b.size(), mostEdits));
    const std::ptrdiff_t offset = most + 1;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * most + 3), 0);
    const auto at = [&v, offset](std::ptrdiff_t k) -> std::ptrdiff_t& {
        return v[static_cast<std::size_t>(k + offset)];
    };
    std::vector<std::vector<std::ptrdiff_t>> trace;
    const auto goesDown = [](const std::vector<std::ptrdiff_t>& row, std::ptrdiff_t off,
                             std::ptrdiff_t k, std::ptrdiff_t d) {
        return k == -d || (k != d && row[static_cast<std::size_t>(k - 1 + off)] <
                                         row[static_cast<std::size_t>(k + 1 + off)]);
    };
    for (std::ptrdiff_t d = 0; d <= most; ++d) {
        trace.push_back(v);
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x = goesDown(v, offset, k, d) ? at(k + 1) : at(k - 1) + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m &&
                   a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)])
                ++x, ++y;
            at(k) = x;
            if (x < n || y < m)
                continue;
            std::vector<std::optional<std::size_t>> matched(b.size());
            for (std::ptrdiff_t step = d; step >= 0; --step) {
                const std::vector<std::ptrdiff_t>& row = trace[static_cast<std::size_t>(step)];
                const std::ptrdiff_t kk = x - y;
                const std::ptrdiff_t previousK = goesDown(row, offset, kk, step) ? kk + 1 : kk - 1;
                const std::ptrdiff_t previousX = row[static_cast<std::size_t>(previousK + offset)];
                const std::ptrdiff_t previousY = previousX - previousK;
                for (; x > previousX && y > previousY; --x, --y)
                    matched[static_cast<std::size_t>(y - 1)] = static_cast<std::size_t>(x - 1);
                x = previousX;
                y = previousY;
            }
            return matched;
        }
    }
    return std::nullopt;
}

} // namespace

TextDocument TextDocument::WithLines(const std::vector<std::string>& lines) const {
    std::vector<std::string> split; // an entry may hold breaks, and then stands for lines
    AppendSplitAtBreaks(lines, split);
    if (split == LineTexts())
        return *this;
    std::vector<std::string_view> before;
    for (const DocumentLine& line : lines_)
        before.push_back(line.text);
    const std::vector<std::string_view> after(split.begin(), split.end());
    // Lines the two share at their ends are matched at once; the diff looks at the rest.
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    constexpr std::size_t kMostEdits = 1000;
    const std::vector<std::string_view> middleBefore(before.begin() + head, before.end() - tail);
    const std::vector<std::string_view> middleAfter(after.begin() + head, after.end() - tail);
    const auto middle = MatchLines(middleBefore, middleAfter, kMostEdits);
    std::vector<std::optional<std::size_t>> kept(after.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < head)
            kept[i] = i;
        else if (i >= after.size() - tail)
            kept[i] = before.size() - (after.size() - i);
        else if (middle && (*middle)[i - head])
            kept[i] = *(*middle)[i - head] + head;
        else if (!middle && i < before.size() && before[i] == after[i])
            kept[i] = i; // too many changes for the diff: lines kept where they stood
    }
    const std::string usual(UsualBreak());
    TextDocument edited;
    for (std::size_t i = 0; i < split.size(); ++i)
        edited.lines_.push_back({split[i], kept[i] ? lines_[*kept[i]].lineBreak : usual});
    // Every line but the last ends with a break, and the last one as this document's does.
    for (std::size_t i = 0; i + 1 < edited.lines_.size(); ++i)
        if (edited.lines_[i].lineBreak.empty())
            edited.lines_[i].lineBreak = usual;
    if (!edited.lines_.empty() && !lines_.empty() && lines_.back().lineBreak.empty())
        edited.lines_.back().lineBreak.clear();
    return edited;
}

void DocumentEdits::Replace(TextRange range, std::string text) {
    edits_.push_back({range, SplitAtBreaks(text), edits_.size()});
}

void DocumentEdits::InsertLines(std::size_t line, const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    std::vector<std::string> pieces;
    AppendSplitAtBreaks(lines, pieces);
    pieces.emplace_back(); // each new line ends with a break
    edits_.push_back({{{line, 0}, {line, 0}}, std::move(pieces), edits_.size()});
}

void DocumentEdits::RemoveLines(std::size_t first, std::size_t end) {
    if (end > first)
        edits_.push_back({{{first, 0}, {end, 0}}, {std::string()}, edits_.size()});
}

namespace {

// Builds the edited document line by line: the original text between the edits, each edit's
// pieces in the place of its range.
class DocumentBuilder {
public:
    explicit DocumentBuilder(const TextDocument& original)
        : original_(original), usualBreak_(original.UsualBreak()) {}

    void CopyUpTo(TextPosition to) {
        const auto& lines = original_.Lines();
        while (at_.line < to.line && at_.line < lines.size()) {
            current_.append(lines[at_.line].text,
                            std::min(at_.column, lines[at_.line].text.size()));
            EndLine(lines[at_.line].lineBreak);
            at_ = {at_.line + 1, 0};
        }
        if (at_.line < lines.size() && to.column > at_.column)
            current_.append(lines[at_.line].text, at_.column, to.column - at_.column);
        at_ = std::max(at_, to);
    }

    void Put(const std::vector<std::string>& pieces, TextPosition end) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                EndLine(usualBreak_);
            current_ += pieces[i];
        }
        at_ = end;
    }

    TextDocument Finish() {
        CopyUpTo({original_.LineCount(), 0});
        if (!current_.empty())
            EndLine("");
        // Every line but the last ends with a break, also where an edit put one after an
        // original last line that had none.
        for (std::size_t i = 0; i + 1 < lines_.size(); ++i)
            if (lines_[i].lineBreak.empty())
                lines_[i].lineBreak = usualBreak_;
        return TextDocument::FromDocumentLines(std::move(lines_));
    }

private:
    void EndLine(std::string_view lineBreak) {
        lines_.push_back({std::move(current_), std::string(lineBreak)});
        current_.clear();
    }

    const TextDocument& original_;
    std::string usualBreak_;
    std::vector<DocumentLine> lines_;
    std::string current_;
    TextPosition at_;
};

} // namespace

TextDocument DocumentEdits::AppliedTo(const TextDocument& document) const {
    if (edits_.empty())
        return document;
    std::vector<const Edit*> ordered;
    for (const Edit& edit : edits_)
        ordered.push_back(&edit);
    // By place; at the same place insertions first, each kind in the order it was added.
    std::sort(ordered.begin(), ordered.end(), [](const Edit* a, const Edit* b) {
        if (a->range.begin != b->range.begin)
            return a->range.begin < b->range.begin;
        if (a->range.empty() != b->range.empty())
            return a->range.empty();
        return a->order < b->order;
    });
    DocumentBuilder builder(document);
    TextPosition reached;
    for (const Edit* edit : ordered) {
        if (edit->range.begin < reached)
            continue; // overlaps an edit already made: the editors never ask for that
        builder.CopyUpTo(edit->range.begin);
        builder.Put(edit->pieces, edit->range.end);
        reached = edit->range.end;
    }
    return builder.Finish();
}

} // namespace vornask
