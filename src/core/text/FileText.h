// Reading the game's text files back: from the bytes of a file to its lines of 8-bit
// Windows-1252 text, the bounds a file must keep to be read at all, the shapes of the lines
// both files share, and which lines of a file saving would not write again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// Larger files are refused unread: no mission or guide file comes near either bound. The lines
// bound keeps the memory a file of mostly empty lines takes within reason (each line becomes
// a value or a line to report). A window may read at most kMaxReadableFileBytes + 1 bytes of a
// file and hand them on: the readers then refuse it as too large (with the bytes handed on as
// the detail, not the file's size).
constexpr std::size_t kMaxReadableFileBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxReadableFileLines = 1000 * 1000;

// The UTF-8 byte-order mark, which tells a UTF-8 file from a Windows-1252 one.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class TextEncoding {
    Windows1252, // the game's code page: the bytes are the text
    Utf8,        // the file began with the UTF-8 byte-order mark; saving writes Windows-1252
};

// Why a file was not read. The window words it for the user.
enum class RefusalReason {
    TooLarge,          // detail: the file's size in bytes
    TooManyLines,      // detail: the number of its lines
    HoldsNulByte,      // detail: the number of the line (from 1) holding the first one
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
    // UTF-8 files only: the lines (as read) in which a character that Windows-1252 lacks, or a
    // broken UTF-8 sequence, became "?".
    std::vector<FileLine> replacedCharacters;
    // The lines of the file that saving the settings read from it would not write again, in
    // file order: every line not among the saved lines (compared as a multiset, see
    // LinesNotKept), and every line the reader cannot tell apart from a section header although
    // it may belong to a text (see the readers).
    std::vector<FileLine> notKept;
};

// The lines of a file's bytes as 8-bit Windows-1252 text, split at CR LF, LF or CR. Decoding
// fills a report's refusal, encoding and replaced characters: files over
// kMaxReadableFileBytes or kMaxReadableFileLines and files holding a NUL byte are refused (no
// lines then). Without the UTF-8 byte-order mark the bytes are Windows-1252 and the lines are
// views into them, so the bytes must outlive this; with the mark the text is converted and
// held here, a character Windows-1252 lacks becoming "?". Neither copied nor moved: its lines
// point into it.
class FileText {
public:
    FileText(std::string_view bytes, ReadReport& report);
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;

    const std::vector<std::string_view>& Lines() const { return lines_; }
    // The whole text as Windows-1252, its line breaks as the file has them (after a UTF-8
    // byte-order mark, which is not part of it); the lines are views into it.
    std::string_view Text() const { return text_; }

    // The index of the first line that is exactly `header`, the section a file of its kind
    // must have; none when the file was refused or has no such line (then refused as
    // `missing`).
    std::optional<std::size_t> FindSection(std::string_view header, RefusalReason missing,
                                           ReadReport& report) const;

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

} // namespace vornask
