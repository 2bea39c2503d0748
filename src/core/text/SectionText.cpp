#include "core/text/SectionText.h"

#include "core/text/FileText.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <map>
#include <set>

namespace vornask {
namespace {

using Lines = std::vector<std::string_view>;

constexpr std::string_view kParagraph = "<p>";
constexpr std::string_view kQuoteStart = "<i>";
constexpr std::string_view kQuoteBreak = "<br>";
constexpr std::string_view kQuoteEnd = "</i>";
constexpr std::string_view kWrittenDashes = "--";
// A quote block is a few lines: the quote, perhaps a picture above it, and the author.
constexpr std::size_t kMostQuoteLines = 8;

bool IsDrawn(std::string_view line) {
    return !IsBlank(line) && !IsLayoutLine(line);
}

std::string_view StartOf(std::string_view line) {
    return line.substr(IndentOf(line));
}

std::string_view FirstLineOf(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
}

struct AuthorPlace {
    std::size_t dashesBegin;
    std::size_t begin;
    std::size_t end;
    std::size_t after;
};

// One or two dashes at `from`, then the author up to "</i>": the last one when the line ends
// with it (an author may hold "</i>" itself), else the first.
std::optional<AuthorPlace> AuthorAt(std::string_view line, std::size_t from) {
    const std::string_view rest = line.substr(from);
    const std::size_t dashes = rest.starts_with(kWrittenDashes) ? 2 : rest.starts_with('-') ? 1 : 0;
    if (dashes == 0)
        return std::nullopt;
    const std::size_t begin = from + dashes;
    const std::string_view trimmed = TrimmedEnd(line);
    std::size_t close = std::string_view::npos;
    if (trimmed.size() >= begin + kQuoteEnd.size() && EndsWithNoCase(trimmed, kQuoteEnd))
        close = trimmed.size() - kQuoteEnd.size();
    else
        close = FindNoCase(line, kQuoteEnd, begin);
    if (close == std::string_view::npos)
        return std::nullopt;
    return AuthorPlace{from, begin, close, close + kQuoteEnd.size()};
}

// Where the quote of a line ends: before the "<br>" that ends it, if any.
std::size_t QuoteEndOf(std::string_view line) {
    const std::string_view trimmed = TrimmedEnd(line);
    return EndsWithNoCase(trimmed, kQuoteBreak) ? trimmed.size() - kQuoteBreak.size() : line.size();
}

QuotePlace MakeQuote(std::size_t first, std::size_t quoteBegin, TextPosition quoteEnd,
                     std::size_t authorLine, const AuthorPlace& author) {
    return QuotePlace{first,
                      {{first, quoteBegin}, quoteEnd},
                      {{authorLine, author.dashesBegin}, {authorLine, author.begin}},
                      {{authorLine, author.begin}, {authorLine, author.end}},
                      authorLine,
                      author.after};
}

std::optional<QuotePlace> ReadQuoteBlock(const Lines& lines, std::size_t first, std::size_t end) {
    const std::string_view line = lines[first];
    const std::size_t at = IndentOf(line);
    if (!StartsWithNoCase(line.substr(at), kQuoteStart))
        return std::nullopt;
    const std::size_t quoteBegin = at + kQuoteStart.size();
    // The author on a line of its own, below the quote's lines.
    for (std::size_t i = first + 1; i < end && i <= first + kMostQuoteLines; ++i) {
        if (!IsDrawn(lines[i]))
            break;
        if (const std::optional<AuthorPlace> author = AuthorAt(lines[i], IndentOf(lines[i])))
            return MakeQuote(first, quoteBegin, {i - 1, QuoteEndOf(lines[i - 1])}, i, *author);
        if (FindNoCase(lines[i], kQuoteEnd) != std::string_view::npos)
            break; // the italics end without an author
    }
    // Or on the quote's own line, after its last "<br>" that an author follows.
    std::optional<QuotePlace> oneLine;
    for (std::size_t br = FindNoCase(line, kQuoteBreak, quoteBegin); br != std::string_view::npos;
         br = FindNoCase(line, kQuoteBreak, br + 1)) {
        const std::size_t from = br + kQuoteBreak.size();
        if (const std::optional<AuthorPlace> author =
                AuthorAt(line, from + IndentOf(line.substr(from))))
            oneLine = MakeQuote(first, quoteBegin, {first, br}, first, *author);
    }
    return oneLine;
}

// The text `piece` of `line` stands for.
std::string_view PieceOf(const Lines& lines, const TextPiece& piece) {
    return lines[piece.line].substr(piece.begin, piece.end - piece.begin);
}

// The drawn lines of the body that no heading or quote block holds, with the blank lines
// between them.
std::vector<TextPiece> TextPieces(const Lines& lines, const SectionTextPlaces& places,
                                  std::size_t end) {
    std::vector<TextPiece> pieces;
    const auto addRest = [&](std::size_t line, std::size_t after) {
        if (!IsBlank(lines[line].substr(after)))
            pieces.push_back({line, after, lines[line].size()});
    };
    for (std::size_t i = places.bodyBegin; i < end; ++i) {
        if (places.heading && i == places.heading->line) {
            addRest(i, places.heading->after);
        } else if (places.quote && i >= places.quote->firstLine && i <= places.quote->lastLine) {
            if (i == places.quote->lastLine)
                addRest(i, places.quote->after);
        } else if (!IsLayoutLine(lines[i])) {
            pieces.push_back({i, 0, lines[i].size()});
        }
    }
    const auto blank = [&lines](const TextPiece& piece) { return IsBlank(PieceOf(lines, piece)); };
    const auto last = std::find_if_not(pieces.rbegin(), pieces.rend(), blank);
    pieces.erase(last.base(), pieces.end());
    pieces.erase(pieces.begin(), std::find_if_not(pieces.begin(), pieces.end(), blank));
    return pieces;
}

std::optional<TextSpan> ReadSpan(const Lines& lines, const SectionTextPlaces& places,
                                 std::size_t end) {
    TextSpan span;
    span.pieces = TextPieces(lines, places, end);
    if (span.pieces.empty())
        return std::nullopt;
    const TextPiece& first = span.pieces.front();
    const std::string_view text = PieceOf(lines, first);
    const std::size_t indent = IndentOf(text);
    if (places.rules.tagOnOwnLine && EqualsNoCase(Trimmed(text), kParagraph)) {
        span.tag = TextSpan::Tag::OwnLine;
    } else if (StartsWithNoCase(text.substr(indent), kParagraph)) {
        span.tag = TextSpan::Tag::Inline;
        span.shownBegin = first.begin + indent + kParagraph.size();
    }
    return span;
}

std::string ShownText(const Lines& lines, const TextSpan& span) {
    std::string text;
    const std::size_t from = span.tag == TextSpan::Tag::OwnLine ? 1 : 0;
    for (std::size_t p = from; p < span.pieces.size(); ++p) {
        const TextPiece& piece = span.pieces[p];
        if (p > from)
            text += "\r\n";
        const std::size_t begin =
            p == 0 && span.tag == TextSpan::Tag::Inline ? span.shownBegin : piece.begin;
        text += lines[piece.line].substr(begin, piece.end - begin);
    }
    return text;
}

// The quote's lines joined as the game draws a line end: by a space.
std::string JoinedRange(const Lines& lines, const TextRange& range) {
    std::string text;
    for (std::size_t i = range.begin.line; i <= range.end.line; ++i) {
        const std::size_t begin = i == range.begin.line ? range.begin.column : 0;
        const std::size_t end = i == range.end.line ? range.end.column : lines[i].size();
        if (i > range.begin.line)
            text += ' ';
        text += lines[i].substr(begin, end - std::min(begin, end));
    }
    return text;
}

// The line a new heading goes before: the first one past blank lines and background pictures.
std::size_t FirstContentLine(const Lines& lines, std::size_t begin, std::size_t end) {
    std::size_t afterBackground = begin;
    for (std::size_t i = begin; i < end; ++i) {
        if (IsBackgroundLine(lines[i]))
            afterBackground = i + 1;
        else if (!IsBlank(lines[i]))
            return i;
    }
    return afterBackground;
}

} // namespace

bool HoldsSectionStart(std::string_view text, bool firstLineBehindTag) {
    bool holds = false;
    bool first = true;
    ForEachLine(text, true, [&](std::string_view line) {
        holds = holds || ((!first || !firstLineBehindTag) && StartsSection(line));
        first = false;
    });
    return holds;
}

namespace {

// The fields of the file's commands, in lower case: a button or menu names the section it shows
// among them ("$Menu=Hints,Tell,Hints").
std::set<std::string> CommandFields(const Lines& lines) {
    std::set<std::string> fields;
    for (std::string_view line : lines) {
        if (line.find('$') == std::string_view::npos)
            continue;
        for (std::size_t begin = 0; begin <= line.size();) {
            const std::size_t end = std::min(line.find_first_of(",=", begin), line.size());
            fields.insert(LowerCase(Trimmed(line.substr(begin, end - begin))));
            begin = end + 1;
        }
    }
    return fields;
}

} // namespace

std::vector<FileLine>
SectionStartsInTexts(const Lines& lines, const std::vector<Section>& sections,
                     const std::function<bool(std::string_view name)>& opensItself) {
    // Each in one pass over the file: a file may hold tens of thousands of sections.
    const std::set<std::string> fields = CommandFields(lines);
    std::map<std::string, int> headedBy; // how many sections each name heads
    for (const Section& section : sections)
        for (const std::string& name : section.names)
            ++headedBy[name];
    std::vector<FileLine> found;
    for (std::size_t s = 1; s < sections.size(); ++s) {
        const Section& section = sections[s];
        const std::string_view above = lines[section.header - 1];
        const bool belowText = IsDrawn(above) && !StartsSection(above) && !ParseKeyLine(above);
        const auto any = [&section](auto test) {
            return std::any_of(section.names.begin(), section.names.end(), test);
        };
        const bool shown = any(
            [&](const std::string& name) { return opensItself(name) || fields.count(name) > 0; });
        const bool nameAgain = any([&](const std::string& name) { return headedBy[name] > 1; });
        if (!section.clean || (belowText && (nameAgain || !shown)))
            found.push_back({section.header + 1, std::string(lines[section.header])});
    }
    return found;
}

std::string HeadingLine(std::string_view heading) {
    return std::string("<h2>").append(heading).append("</h2>");
}

std::string ParagraphLine(std::string_view text) {
    return std::string(kParagraph).append(text);
}

std::string QuoteLine(std::string_view quote) {
    return std::string(kQuoteStart).append(quote).append(kQuoteBreak);
}

std::string AuthorLine(std::string_view author) {
    return std::string(kWrittenDashes).append(author).append(kQuoteEnd);
}

std::optional<HeadingPlace> ParseHeading(std::string_view line, std::size_t lineIndex) {
    const std::size_t at = IndentOf(line);
    const std::string_view rest = line.substr(at);
    if (rest.size() < 4 || rest[0] != '<' || (rest[1] != 'h' && rest[1] != 'H') || rest[2] < '1' ||
        rest[2] > '4' || rest[3] != '>')
        return std::nullopt;
    const std::string close = std::string("</h") + rest[2] + ">";
    const std::size_t textBegin = at + 4;
    const std::string_view trimmed = TrimmedEnd(line);
    // A heading may itself hold its closing tag: the one that ends the line closes it.
    if (trimmed.size() >= textBegin + close.size() && EndsWithNoCase(trimmed, close))
        return HeadingPlace{lineIndex, textBegin, trimmed.size() - close.size(), trimmed.size()};
    const std::size_t end = FindNoCase(line, close, textBegin);
    if (end == std::string_view::npos)
        return std::nullopt;
    return HeadingPlace{lineIndex, textBegin, end, end + close.size()};
}

std::size_t SectionTextPlaces::NewTextLine() const {
    if (quote)
        return quote->lastLine + 1;
    if (heading)
        return heading->line + 1;
    return firstContentLine;
}

SectionTexts ReadSectionTexts(const Lines& lines, std::size_t begin, std::size_t end,
                              SectionTextRules rules) {
    SectionTexts read;
    SectionTextPlaces& places = read.places;
    places.bodyBegin = begin;
    places.rules = rules;
    places.firstContentLine = FirstContentLine(lines, begin, end);
    const auto drawnFrom = [&](std::size_t from) {
        while (from < end && !IsDrawn(lines[from]))
            ++from;
        return from;
    };
    std::size_t next = drawnFrom(begin);
    if (next < end) {
        places.heading = ParseHeading(lines[next], next);
        if (places.heading) {
            read.heading = WithControlsReplaced(lines[next].substr(
                places.heading->textBegin, places.heading->textEnd - places.heading->textBegin));
            // A text on the heading's own line comes before any quote block.
            next = IsBlank(lines[next].substr(places.heading->after)) ? drawnFrom(next + 1) : end;
        }
    }
    if (rules.quoteBlock && next < end) {
        places.quote = ReadQuoteBlock(lines, next, end);
        if (places.quote) {
            const std::string quote = JoinedRange(lines, places.quote->quote);
            const TextRange& author = places.quote->author;
            if (quote.size() <= kMaxLineBytes) {
                read.quote = WithControlsReplaced(quote);
                read.author = WithControlsReplaced(lines[author.begin.line].substr(
                    author.begin.column, author.end.column - author.begin.column));
            } else {
                places.quote.reset(); // more than a box can hold: it is the story's
            }
        }
    }
    places.text = ReadSpan(lines, places, end);
    if (places.text)
        read.text = WithControlsReplaced(ShownText(lines, *places.text));
    return read;
}

void SectionTextSaver::SaveHeading(const std::string& heading) {
    const std::optional<HeadingPlace>& place = places_.heading;
    if (!place) {
        edits_.InsertLines(places_.firstContentLine, {HeadingLine(heading)});
        return;
    }
    edits_.Replace(place->Range(), heading);
    // A heading holding its closing tag ends only where the line ends: a text after it on the
    // same line goes to a line of its own.
    const std::string_view line = document_.Line(place->line);
    const std::string_view closing = line.substr(place->textEnd, place->after - place->textEnd);
    if (!IsBlank(line.substr(place->after)) &&
        FindNoCase(heading, closing) != std::string_view::npos)
        edits_.Replace({{place->line, place->textEnd}, {place->line, place->after}},
                       std::string(closing) + "\r\n");
}

void SectionTextSaver::SaveQuote(const std::string& quote, const std::string& author,
                                 bool quoteChanged, bool authorChanged) {
    if (!quoteChanged && !authorChanged)
        return;
    if (const std::optional<QuotePlace>& place = places_.quote) {
        if (quoteChanged) {
            // Where the quote runs to its line's end, a "<br>" it ends in would be taken for
            // the one that closes it: one more keeps it.
            const bool toLineEnd =
                place->quote.end.column == document_.Line(place->quote.end.line).size();
            edits_.Replace(place->quote, toLineEnd && EndsWithNoCase(TrimmedEnd(quote), kQuoteBreak)
                                             ? quote + std::string(kQuoteBreak)
                                             : quote);
        }
        if (authorChanged) {
            // The file's own dashes, unless a dash starting the author would join them.
            const TextRange& dashes = place->dashes;
            const std::string_view own =
                std::string_view(document_.Line(dashes.begin.line))
                    .substr(dashes.begin.column, dashes.end.column - dashes.begin.column);
            const std::string_view written =
                own.size() < kWrittenDashes.size() && author.starts_with('-') ? kWrittenDashes
                                                                              : own;
            edits_.Replace({dashes.begin, place->author.end}, std::string(written) + author);
            // An author holding "</i>" ends only where the line does: a text after it on the
            // same line goes to a line of its own.
            const std::string_view line = document_.Line(place->lastLine);
            if (!IsBlank(line.substr(place->after)) &&
                FindNoCase(author, kQuoteEnd) != std::string_view::npos)
                edits_.Replace({place->author.end, {place->lastLine, place->after}},
                               std::string(line.substr(place->author.end.column,
                                                       place->after - place->author.end.column)) +
                                   "\r\n");
        }
        return;
    }
    const std::size_t line = places_.heading ? places_.heading->line + 1 : places_.firstContentLine;
    edits_.InsertLines(line, {QuoteLine(quote), AuthorLine(author)});
    // A text on the heading's line would stand above the new block and hide it.
    textMustMove_ = places_.text && places_.heading &&
                    places_.text->pieces.front().line == places_.heading->line;
}

void SectionTextSaver::SaveText(const std::string& text, bool changed) {
    if (!changed && !textMustMove_)
        return;
    const std::optional<TextSpan>& span = places_.text;
    if (!span) {
        if (!text.empty())
            InsertText(text);
        return;
    }
    if (textMustMove_) {
        for (const TextPiece& piece : span->pieces)
            RemovePiece(piece);
        InsertText(text);
        return;
    }
    const TextPiece& anchor = span->pieces.front();
    std::string written = TaggedText(text);
    // On the heading's line, a text that ends in the heading's closing tag would make the
    // heading run on to it: it goes below instead.
    if (places_.heading && anchor.line == places_.heading->line) {
        const std::string_view line = document_.Line(anchor.line);
        const std::string_view closing = line.substr(
            places_.heading->textEnd, places_.heading->after - places_.heading->textEnd);
        if (EndsWithNoCase(TrimmedEnd(FirstLineOf(written)), closing))
            written.insert(0, "\r\n");
    }
    if (written.empty())
        RemovePiece(anchor);
    else
        edits_.Replace({{anchor.line, anchor.begin}, {anchor.line, anchor.end}}, written);
    for (std::size_t p = 1; p < span->pieces.size(); ++p)
        RemovePiece(span->pieces[p]);
}

// The text as it goes in the old one's place, in that place's own tag; a place without one
// gets the program's when the text would not read back without it.
std::string SectionTextSaver::TaggedText(const std::string& text) const {
    const TextSpan& span = *places_.text;
    const TextPiece& first = span.pieces.front();
    const std::string_view line = document_.Line(first.line);
    switch (span.tag) {
    case TextSpan::Tag::Inline: {
        std::string written(line.substr(first.begin, span.shownBegin - first.begin));
        // Where the tag alone on its line is a form of its own, a blank first line behind it
        // would read as that form and be lost: it goes on the line below.
        if (places_.rules.tagOnOwnLine && !text.empty() && IsBlank(FirstLineOf(text)))
            written += "\r\n";
        return written + text;
    }
    case TextSpan::Tag::OwnLine:
        return std::string(line.substr(first.begin, first.end - first.begin)) +
               (text.empty() ? "" : "\r\n" + text);
    case TextSpan::Tag::None:
        break;
    }
    if (text.empty() || !NeedsTag(FirstLineOf(text)))
        return text;
    return places_.rules.tagOnOwnLine ? std::string(kParagraph) + "\r\n" + text
                                      : ParagraphLine(text);
}

// A first line that would read as blank layout, a command, a section's start, the tag itself,
// the section's heading or its quote block.
bool SectionTextSaver::NeedsTag(std::string_view firstLine) const {
    const std::string_view start = StartOf(firstLine);
    return IsBlank(firstLine) || IsLayoutLine(firstLine) || StartsSection(firstLine) ||
           StartsWithNoCase(start, kParagraph) ||
           (!places_.heading && ParseHeading(firstLine, 0)) ||
           (places_.rules.quoteBlock && !places_.quote && StartsWithNoCase(start, kQuoteStart));
}

void SectionTextSaver::RemovePiece(const TextPiece& piece) {
    if (piece.begin == 0)
        edits_.RemoveLines(piece.line, piece.line + 1);
    else
        edits_.Replace({{piece.line, piece.begin}, {piece.line, piece.end}}, "");
}

void SectionTextSaver::InsertText(const std::string& text) {
    if (places_.rules.tagOnOwnLine)
        edits_.InsertLines(places_.NewTextLine(), {std::string(kParagraph), text});
    else
        edits_.InsertLines(places_.NewTextLine(), {ParagraphLine(text)});
}

} // namespace vornask
