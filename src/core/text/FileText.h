// Reading the game's text files back: from the bytes of a file to its lines of 8-bit
// Windows-1252 text, the bounds a file must keep to be read at all, the shapes of the lines
// both files share, and which lines of a file saving would not write again.
#pragma once

#include "core/text/Utf8.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// The bounds of what the program reads, and so of what it writes and takes from the user.
// Laying out text is what costs: a page shows a text line by line, and a line without spaces
// takes time that grows with the square of its length. Under these bounds every file opens,
// page after page, in well under a second and 200 MB (docs/DEVELOPING.md has the figures); the
// largest of the game's own files is about 12 KB, with about 300 lines.
// A window may read at most kMaxReadableFileBytes + 1 bytes of a file and hand them on: the
// readers then refuse it as too large (with the bytes handed on as the detail, not the file's
// size).
constexpr std::size_t kMaxReadableFileBytes = 4 * 1024 * 1024;
constexpr std::size_t kMaxReadableFileLines = 50 * 1000;
// The longest line, in bytes without its break; longer ones are refused.
constexpr std::size_t kMaxLineBytes = 16 * 1024;
// The most lines one text may have: a story, an event's text, a campaign intro.
constexpr std::size_t kMaxTextLines = 20 * 1000;
// The longest value a one-line box takes: its line also holds a key or markup around it.
constexpr std::size_t kMaxValueBytes = kMaxLineBytes - 64;

// The byte-order marks, which tell a UTF-8 (Utf8.h) or UTF-16 file from a Windows-1252 one.
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// How a file was read. Saving always writes Windows-1252.
enum class TextEncoding {
    Windows1252, // the game's code page: the bytes are the text
    Utf8,        // with the UTF-8 byte-order mark, or without it when the user said so
    Utf16,       // with a UTF-16 byte-order mark (Windows Notepad's "Unicode"), either order
};

// How to read a file's bytes.
enum class TextDecoding {
    Detect, // by its byte-order mark: UTF-8 or UTF-16 with one, Windows-1252 without
    Utf8,   // UTF-8, with its mark or without (the user chose it, see LooksLikeUtf8)
};

// Whether `bytes` without a byte-order mark are well-formed UTF-8 holding at least one
// character beyond ASCII: then they are far more likely UTF-8 text (as Linux editors write it)
// than Windows-1252, whose letters beyond ASCII rarely form such sequences.
bool LooksLikeUtf8(std::string_view bytes);

// Why a file was not read. The window words it for the user.
enum class RefusalReason {
    TooLarge,          // detail: the file's size in bytes
    TooManyLines,      // detail: the number of its lines
    HoldsNulByte,      // detail: the number of the line (from 1) holding the first one
    LineTooLong,       // detail: the number of the first line longer than kMaxLineBytes
    TextTooLong,       // a text has more than kMaxTextLines lines; detail: its lines
    NoHeaderSection,   // a mission file must have a line "[Header]"
    NoOverviewSection, // a campaign guide file must have a line "[Overview]"
};

struct Refusal {
    RefusalReason reason;
    std::size_t detail = 0;
    bool operator==(const Refusal&) const = default;
};

// One line of a file as read: its number (the first line is 1) and its 8-bit text.
struct FileLine {
    std::size_t number;
    std::string text;
    bool operator==(const FileLine&) const = default;
};

// What reading a file tells besides the settings read from it.
struct ReadReport {
    std::optional<Refusal> refusal; // set when the file was not read; then nothing else counts
    TextEncoding encoding = TextEncoding::Windows1252;
    // UTF-8 and UTF-16 files only: the lines (as read) in which a character that Windows-1252
    // lacks, or a broken sequence, became "?".
    std::vector<FileLine> replacedCharacters;
    // The lines holding control characters, which the game's text has no place for: the pages
    // show each as "?", and the file keeps them where the user changes nothing.
    std::vector<FileLine> controlCharacters;
    // The lines of the file that saving the settings read from it would not write again, in
    // file order: every line not among the saved lines (compared as a multiset, see
    // LinesNotKept).
    std::vector<FileLine> notKept;
    // The section headers that seem to be lines of a text (see SectionStartsInTexts): the game
    // reads each as the start of a section, and the text above it ends there.
    std::vector<FileLine> sectionStarts;
};

// The lines of a file's bytes as 8-bit Windows-1252 text, split at CR LF, LF or CR. Decoding
// fills a report's refusal, encoding, replaced characters and control characters: files over
// kMaxReadableFileBytes or kMaxReadableFileLines, with a line over kMaxLineBytes, or holding a
// NUL character are refused (no lines then). Read as Windows-1252 the bytes are the text and the
// lines are views into them, so the bytes must outlive this; read as UTF-8 or UTF-16 the text is
// converted and held here, a character Windows-1252 lacks becoming "?". Neither copied nor moved:
// its lines point into it.
class FileText {
public:
    FileText(std::string_view bytes, ReadReport& report,
             TextDecoding decoding = TextDecoding::Detect);
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;

    const std::vector<std::string_view>& Lines() const { return lines_; }
    // The whole text as Windows-1252, its line breaks as the file has them (after a UTF-8
    // byte-order mark, which is not part of it); the lines are views into it.
    std::string_view Text() const { return text_; }

private:
    std::string converted_;
    std::string_view text_;
    std::vector<std::string_view> lines_;
};

// The lines of `fileLines` that are not among `savedLines`, compared line by line as a
// multiset: each saved line keeps one equal file line, the earliest one not yet kept.
// `savedLines` are as a writer builds them: one entry may hold line breaks and then stands for
// several lines of the saved file.
std::vector<FileLine> LinesNotKept(const std::vector<std::string_view>& fileLines,
                                   const std::vector<std::string>& savedLines);

// Whether saving `savedLines` writes exactly `fileLines`, in order.
bool SavesTheSameLines(const std::vector<std::string_view>& fileLines,
                       const std::vector<std::string>& savedLines);

// TextTooLong, with `lines`, when a text of that many lines is more than a file may hold.
std::optional<Refusal> TextLinesRefusal(std::size_t lines);

} // namespace vornask
