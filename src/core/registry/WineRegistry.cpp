#include "core/registry/WineRegistry.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

namespace vornask {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

constexpr std::string_view kBlanks = " \t";

// Registry value types as Windows numbers them; the file writes them as str(N) and hex(N).
constexpr unsigned kRegSz = 1;
constexpr unsigned kRegExpandSz = 2;
constexpr unsigned kRegBinary = 3;
constexpr unsigned kRegDword = 4;

bool IsTextType(unsigned type) {
    return type == kRegSz || type == kRegExpandSz;
}

std::string_view TrimLeft(std::string_view text) {
    const auto start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    const auto end = text.find_last_not_of(kBlanks);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

// Up to `maxDigits` hex digits from the front of `text`; nothing when there is none.
std::optional<unsigned> ConsumeHex(std::string_view& text, std::size_t maxDigits) {
    std::optional<unsigned> number;
    for (std::size_t i = 0; i < maxDigits && !text.empty(); ++i) {
        const auto digit = HexDigit(text.front());
        if (!digit)
            break;
        number = number.value_or(0) * 16 + *digit;
        text.remove_prefix(1);
    }
    return number;
}

// A CR before the LF is no part of a line.
std::string_view WithoutCarriageReturn(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// The lines of a registry file: of a text held in memory, or of a stream read a piece at a
// time so that reading can stop early. A line handed out stays valid until the next call.
// A line longer than kMaxRegistryLineBytes is handed out cut to that length (Cut() says so)
// and the rest of it passed over unread, so that no more than about that much is ever held.
// After a read error, or past `limit` bytes, no more lines come and Failed() says so; a line
// cut short by either is never handed out.
class LineReader {
public:
    explicit LineReader(std::string_view text) : data_(text) {}
    LineReader(std::istream& in, std::uintmax_t limit) : in_(&in), limit_(limit) {}

    bool Next(std::string_view& line) {
        cut_ = false;
        std::size_t from = start_;
        for (;;) {
            if (skipping_ && !SkipRestOfLine(from))
                return false;
            const auto end = data_.find('\n', from);
            if (end != std::string_view::npos) {
                line = LineUpTo(end);
                start_ = end + 1;
                return true;
            }
            if (data_.size() - start_ > kMaxRegistryLineBytes)
                return NextCutLine(line);
            const std::size_t searched = data_.size() - start_;
            if (!ReadMore()) {
                if (failed_ || start_ == data_.size())
                    return false;
                line = LineUpTo(data_.size());
                start_ = data_.size();
                return true;
            }
            from = start_ + searched;
        }
    }

    // The next line that starts a key: "[" after blanks. The lines before it are passed
    // over without being split, which is most of a registry file when one key is looked for.
    // Every byte is looked at a bounded number of times, however long the lines.
    bool NextKeyLine(std::string_view& line) {
        std::size_t from = start_;
        for (;;) {
            if (skipping_ && !SkipRestOfLine(from))
                return false;
            const auto bracket = data_.find('[', from);
            if (bracket == std::string_view::npos) {
                // Only the unfinished last line can still turn out to start a key, and only
                // while it holds nothing but blanks.
                const auto lastEnd = data_.substr(from).rfind('\n');
                if (lastEnd != std::string_view::npos)
                    start_ = from + lastEnd + 1;
                if (!IsBlankFrom(start_) || data_.size() - start_ > kMaxRegistryLineBytes)
                    SkipLine();
                const std::size_t searched = data_.size() - start_;
                if (!ReadMore())
                    return false;
                from = start_ + searched;
                continue;
            }
            if (const auto lineStart = BlankLineStart(bracket)) {
                start_ = *lineStart;
                return Next(line);
            }
            from = bracket + 1;
        }
    }

    bool Failed() const { return failed_; }

    // Whether the line last handed out was longer than kMaxRegistryLineBytes and cut.
    bool Cut() const { return cut_; }

private:
    static constexpr std::size_t kPieceBytes = 64 * 1024;

    static bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

    bool IsBlankFrom(std::size_t position) const {
        return data_.find_first_not_of(kBlanks, position) == std::string_view::npos;
    }

    // Where the line holding `position` starts, when only blanks stand before it there.
    std::optional<std::size_t> BlankLineStart(std::size_t position) const {
        while (position > start_ && IsBlankChar(data_[position - 1]))
            --position;
        if (position == start_ || data_[position - 1] == '\n')
            return position;
        return std::nullopt;
    }

    // The line from start_ to `end`, cut when too long.
    std::string_view LineUpTo(std::size_t end) {
        const std::string_view line = data_.substr(start_, end - start_);
        cut_ = line.size() > kMaxRegistryLineBytes;
        return cut_ ? line.substr(0, kMaxRegistryLineBytes) : WithoutCarriageReturn(line);
    }

    // A line too long whose end is not read yet: its head is kept apart while the rest is
    // read and passed over.
    bool NextCutLine(std::string_view& line) {
        cutHead_.assign(data_.substr(start_, kMaxRegistryLineBytes));
        SkipLine();
        std::size_t from = 0;
        if (!SkipRestOfLine(from) && failed_)
            return false;
        cut_ = true;
        line = cutHead_;
        return true;
    }

    // What is held of the line at start_ is let go, and the rest of it passed over.
    void SkipLine() {
        skipping_ = true;
        start_ = data_.size();
    }

    // Reads on to the end of the line being passed over; `from` and start_ then stand after
    // it. False when the text ends first.
    bool SkipRestOfLine(std::size_t& from) {
        for (;;) {
            const auto end = data_.find('\n', start_);
            if (end != std::string_view::npos) {
                skipping_ = false;
                from = start_ = end + 1;
                return true;
            }
            start_ = data_.size();
            if (!ReadMore())
                return false;
        }
    }

    // Appends the next piece of the stream, dropping the lines already handed out. False when
    // nothing more comes: the end, a read error, or the limit passed.
    bool ReadMore() {
        if (!in_ || atEnd_ || failed_)
            return false;
        buffer_.erase(0, start_);
        start_ = 0;
        const std::size_t kept = buffer_.size();
        buffer_.resize(kept + kPieceBytes);
        // An istream reports a read error as its bad bit; unlike reading through a stream
        // buffer iterator, read() throws nothing.
        in_->read(buffer_.data() + kept, static_cast<std::streamsize>(kPieceBytes));
        const auto got = static_cast<std::size_t>(in_->gcount());
        buffer_.resize(kept + got);
        data_ = buffer_;
        total_ += got;
        failed_ = in_->bad() || total_ > limit_;
        atEnd_ = got < kPieceBytes;
        return got > 0 && !failed_;
    }

    std::istream* in_ = nullptr; // none: the whole text is in data_
    std::uintmax_t limit_ = 0;
    std::uintmax_t total_ = 0;
    std::string buffer_;
    std::string_view data_; // the text, or what the buffer holds
    std::size_t start_ = 0; // where the next line starts in data_
    bool skipping_ = false; // start_ is inside a line that is passed over
    std::string cutHead_;   // the head of a line too long, when it is not in data_
    bool cut_ = false;
    bool atEnd_ = false;
    bool failed_ = false;
};

// Text gathered from UTF-16 code units (escapes, binary string data) and raw bytes of the
// file, as UTF-8. A surrogate without its partner becomes U+FFFD; so does a raw byte that
// belongs to no well-formed UTF-8 sequence.
class Utf8Text {
public:
    void AddUnit(char16_t unit) {
        if (pendingHigh_ && unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(text_,
                       0x10000 + ((char32_t(pendingHigh_) - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh_ = 0;
            return;
        }
        FlushLoneSurrogate();
        if (unit >= 0xD800 && unit <= 0xDBFF)
            pendingHigh_ = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            AppendUtf8(text_, kReplacementCharacter);
        else
            AppendUtf8(text_, unit);
    }

    void AddByte(char byte) {
        FlushLoneSurrogate();
        text_ += byte;
    }

    // Raw bytes never join the bytes of an escaped character into a sequence: those start
    // with an ASCII or a lead byte, never with a continuation byte.
    std::string Take() {
        FlushLoneSurrogate();
        return ValidUtf8(text_);
    }

private:
    void FlushLoneSurrogate() {
        if (pendingHigh_)
            AppendUtf8(text_, kReplacementCharacter);
        pendingHigh_ = 0;
    }

    std::string text_;
    char16_t pendingHigh_ = 0;
};

struct Escape {
    char letter;
    char16_t unit;
};

// The letter escapes Wine writes for control characters.
constexpr Escape kLetterEscapes[] = {
    {'a', u'\a'}, {'b', u'\b'}, {'e', 0x001B}, {'f', u'\f'},
    {'n', u'\n'}, {'r', u'\r'}, {'t', u'\t'},  {'v', u'\v'},
};

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// Up to three octal digits from the front of `text`, which starts with one. Wine writes a
// control character that has no letter escape this way: "\1", or "\001" before a digit.
char16_t ConsumeOctal(std::string_view& text) {
    char16_t unit = 0;
    for (int i = 0; i < 3 && !text.empty() && IsOctalDigit(text.front()); ++i) {
        unit = static_cast<char16_t>(unit * 8 + (text.front() - '0'));
        text.remove_prefix(1);
    }
    return unit;
}

// The character after a backslash, which is consumed with it.
void ConsumeEscape(std::string_view& text, Utf8Text& out) {
    const char letter = text.front();
    if (IsOctalDigit(letter)) {
        out.AddUnit(ConsumeOctal(text));
        return;
    }
    text.remove_prefix(1);
    if (letter == 'x') {
        const auto unit = ConsumeHex(text, 4);
        out.AddUnit(unit ? static_cast<char16_t>(*unit) : u'x');
        return;
    }
    const auto* escape = std::ranges::find(kLetterEscapes, letter, &Escape::letter);
    if (escape != std::end(kLetterEscapes))
        out.AddUnit(escape->unit);
    else
        out.AddByte(letter); // "\\", "\"", "\]" and any other stand for the character itself
}

// An escaped text up to the unescaped `terminator`, which is consumed; nothing when the text
// ends first.
std::optional<std::string> ConsumeEscaped(std::string_view& text, char terminator) {
    Utf8Text out;
    while (!text.empty()) {
        const char c = text.front();
        text.remove_prefix(1);
        if (c == terminator)
            return out.Take();
        if (c != '\\') {
            out.AddByte(c);
            continue;
        }
        if (text.empty())
            return std::nullopt;
        ConsumeEscape(text, out);
    }
    return std::nullopt;
}

// A quoted, escaped text that ends its line.
std::optional<std::string> QuotedLineEnd(std::string_view text) {
    if (!ConsumePrefix(text, "\""))
        return std::nullopt;
    auto quoted = ConsumeEscaped(text, '"');
    if (!quoted || !TrimLeft(text).empty())
        return std::nullopt;
    return quoted;
}

// "word:" gives `plainType`; "word(N):" gives type N, written in hex.
std::optional<unsigned> ConsumeTypeTag(std::string_view& text, std::string_view word,
                                       std::optional<unsigned> plainType) {
    std::string_view rest = text;
    if (!ConsumePrefix(rest, word))
        return std::nullopt;
    std::optional<unsigned> type = plainType;
    if (!ConsumePrefix(rest, ":")) {
        if (!ConsumePrefix(rest, "("))
            return std::nullopt;
        type = ConsumeHex(rest, 8);
        if (!type || !ConsumePrefix(rest, "):"))
            return std::nullopt;
    } else if (!plainType) {
        return std::nullopt;
    }
    text = rest;
    return type;
}

// Comma-separated bytes in hex, e.g. "43,00,3a,00".
std::optional<std::vector<unsigned char>> HexBytes(std::string_view text) {
    std::vector<unsigned char> bytes;
    text = TrimRight(TrimLeft(text));
    while (!text.empty()) {
        const auto byte = ConsumeHex(text, 2);
        text = TrimLeft(text);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(*byte));
        if (text.empty())
            break;
        if (!ConsumePrefix(text, ","))
            return std::nullopt;
        text = TrimLeft(text);
        // A comma needs a byte after it: a file cut short after one holds no whole value.
        if (text.empty())
            return std::nullopt;
    }
    return bytes;
}

// String data stored as bytes: UTF-16 in little-endian order, without its terminating NULs.
std::string TextOfBytes(const std::vector<unsigned char>& bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    while (!units.empty() && units.back() == u'\0')
        units.pop_back();
    Utf8Text text;
    for (char16_t unit : units)
        text.AddUnit(unit);
    return text.Take();
}

RegistryValue ValueOfType(unsigned type, std::string text) {
    if (!IsTextType(type))
        return {RegistryValueStatus::WrongType, {}};
    return {RegistryValueStatus::String, std::move(text)};
}

// Hex data, joined over its continuation lines: a line ending in a backslash goes on in the
// next one. Nothing when the data grows longer than a line may be, or a line was cut.
std::optional<std::string> JoinContinuations(std::string_view first, LineReader& lines) {
    std::string data(TrimRight(first));
    std::string_view next;
    while (data.ends_with('\\') && lines.Next(next)) {
        if (lines.Cut())
            return std::nullopt;
        data.pop_back();
        data += TrimRight(TrimLeft(next));
        if (data.size() > kMaxRegistryLineBytes)
            return std::nullopt;
    }
    return data;
}

// The data after "=": a quoted string, str(N):"...", dword:..., hex:... or hex(N):....
// Nothing when it is malformed.
std::optional<RegistryValue> ParseData(std::string_view data, LineReader& lines) {
    if (data.starts_with('"')) {
        const auto text = QuotedLineEnd(data);
        return text ? std::optional(ValueOfType(kRegSz, *text)) : std::nullopt;
    }
    if (const auto type = ConsumeTypeTag(data, "str", std::nullopt)) {
        const auto text = QuotedLineEnd(data);
        return text ? std::optional(ValueOfType(*type, *text)) : std::nullopt;
    }
    if (ConsumePrefix(data, "dword:")) {
        if (!ConsumeHex(data, 8) || !TrimLeft(data).empty())
            return std::nullopt;
        return ValueOfType(kRegDword, {});
    }
    if (const auto type = ConsumeTypeTag(data, "hex", kRegBinary)) {
        const auto joined = JoinContinuations(data, lines);
        const auto bytes = joined ? HexBytes(*joined) : std::nullopt;
        return bytes ? std::optional(ValueOfType(*type, TextOfBytes(*bytes))) : std::nullopt;
    }
    return std::nullopt;
}

struct NamedValue {
    std::string name;
    RegistryValue value;
};

// A line `"Name"=data` or `@=data` (the key's default value). Continuation lines of its data
// are consumed with it.
std::optional<NamedValue> ParseValueLine(std::string_view line, LineReader& lines) {
    std::optional<std::string> name;
    if (ConsumePrefix(line, "@"))
        name.emplace();
    else if (ConsumePrefix(line, "\""))
        name = ConsumeEscaped(line, '"');
    line = TrimLeft(line);
    if (!name || !ConsumePrefix(line, "="))
        return std::nullopt;
    auto value = ParseData(TrimLeft(line), lines);
    if (!value)
        return std::nullopt;
    return NamedValue{std::move(*name), std::move(*value)};
}

// A line `[Key\\Path] timestamp`: its key path, or nothing when the bracket is unclosed.
std::optional<std::string> KeyOfLine(std::string_view line) {
    if (!ConsumePrefix(line, "["))
        return std::nullopt;
    return ConsumeEscaped(line, ']');
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// A key name as Wine writes it in a key line, upper-cased: "\", "[" and "]" escaped with a
// backslash. Nothing for a name beyond ASCII, whose upper case is not a matter of bytes.
std::optional<std::string> WrittenKeyName(std::string_view name) {
    if (!std::ranges::all_of(name, IsAscii))
        return std::nullopt;
    std::string written;
    for (char c : name) {
        if (c == '\\' || c == '[' || c == ']')
            written += '\\';
        written += AsciiUpper(c);
    }
    return written;
}

// Whether the line `[Key\\Path] timestamp` names the key `wanted`, which Wine would write as
// `written`, as KeyOfLine and SameWindowsName would find. A registry file has thousands of
// keys, and nearly all differ from the one looked for within their first few characters:
// the line is compared with the written form as it stands, and decoded in full only where
// it departs from that form with an escape or a character beyond ASCII.
bool KeyLineNames(std::string_view line, std::string_view wanted,
                  const std::optional<std::string>& written) {
    const std::string_view name = line.substr(1);
    for (std::size_t i = 0; written && i < name.size(); ++i) {
        const char c = name[i];
        if (i == written->size()) {
            if (c == ']')
                return true;
            if (c != '\\' && IsAscii(c))
                return false;
            break;
        }
        const char expected = (*written)[i];
        if (AsciiUpper(c) == expected)
            continue;
        if (c == '\\' || !IsAscii(c) || expected == '\\')
            break;
        return false;
    }
    const auto key = KeyOfLine(line);
    return key && SameWindowsName(*key, wanted);
}

bool IsHeader(std::string_view line) {
    ConsumePrefix(line, kUtf8ByteOrderMark);
    return TrimRight(line) == kHeader;
}

// One value looked for under several keys at once, earlier keys preferred, in one pass over
// the file's lines.
class ValueSearch {
public:
    ValueSearch(std::span<const std::string_view> keys, std::string_view valueName)
        : keys_(keys), valueName_(valueName), values_(keys.size()), seen_(keys.size()) {
        for (std::string_view key : keys)
            writtenKeys_.push_back(WrittenKeyName(key));
    }

    enum class Reading { Whole, UntilSettled };

    // Reads lines until they end or, when asked, until no later line can change the answer.
    // False when the first line is not the registry header.
    bool Read(LineReader& lines, Reading reading) {
        std::string_view line;
        if (!lines.Next(line) || lines.Cut() || !IsHeader(line))
            return false;
        // Outside the keys looked for only the next key matters.
        while (current_ ? lines.Next(line) : lines.NextKeyLine(line)) {
            line = TrimLeft(line);
            // A line too long is no line Wine writes: as a key line it names no key looked
            // for, and otherwise it holds no value.
            if (line.starts_with('[')) {
                EndSection();
                current_ = lines.Cut() ? std::nullopt : KeyIndexOf(line);
                if (reading == Reading::UntilSettled && Settled())
                    return true;
            } else if (current_ && !lines.Cut() &&
                       (line.starts_with('"') || line.starts_with('@'))) {
                // Values of other keys are passed over unread, with the continuation lines of
                // their hex data, which begin with neither character.
                const auto value = ParseValueLine(line, lines);
                if (value && SameWindowsName(value->name, valueName_))
                    values_[*current_] = value->value;
            }
            // Anything else carries no value: blank lines, "#" and ";" comments, stray text.
        }
        EndSection();
        return true;
    }

    // The value of the first key that has it.
    RegistryValue Answer() const {
        const auto found = std::ranges::find_if(values_, [](const RegistryValue& v) {
            return v.status != RegistryValueStatus::NotFound;
        });
        return found == values_.end() ? RegistryValue{} : *found;
    }

private:
    std::optional<std::size_t> KeyIndexOf(std::string_view line) const {
        for (std::size_t i = 0; i < keys_.size(); ++i)
            if (KeyLineNames(line, keys_[i], writtenKeys_[i]))
                return i;
        return std::nullopt;
    }

    void EndSection() {
        if (current_)
            seen_[*current_] = true;
        current_.reset();
    }

    // Every key before the first one holding the value has been read, or every key has.
    bool Settled() const {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (!seen_[i])
                return false;
            if (values_[i].status != RegistryValueStatus::NotFound)
                return true;
        }
        return true;
    }

    std::span<const std::string_view> keys_;
    std::vector<std::optional<std::string>> writtenKeys_;
    std::string_view valueName_;
    std::vector<RegistryValue> values_;
    std::vector<bool> seen_; // a section of the key has been read to its end
    std::optional<std::size_t> current_;
};

std::optional<RegistryFileState> ProblemBeforeReading(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found)
        return RegistryFileState::Missing;
    if (error || !fs::is_regular_file(status))
        return RegistryFileState::Unreadable;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return RegistryFileState::Unreadable;
    if (size > kMaxRegistryFileBytes)
        return RegistryFileState::TooLarge;
    return std::nullopt;
}

} // namespace

RegistryValue FindWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                    std::string_view valueName) {
    LineReader lines(fileText);
    ValueSearch search(std::span(&keyPath, 1), valueName);
    search.Read(lines, ValueSearch::Reading::Whole);
    return search.Answer();
}

RegistryFileAnswer FindInWineRegistryFile(const std::filesystem::path& file,
                                          std::span<const std::string_view> keys,
                                          std::string_view valueName) {
    if (const auto problem = ProblemBeforeReading(file))
        return {*problem, {}};
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {RegistryFileState::Unreadable, {}};
    // The size was checked, but a file can grow while it is read.
    LineReader lines(in, kMaxRegistryFileBytes);
    ValueSearch search(keys, valueName);
    const bool isRegistry = search.Read(lines, ValueSearch::Reading::UntilSettled);
    if (lines.Failed())
        return {RegistryFileState::Unreadable, {}};
    if (!isRegistry)
        return {RegistryFileState::NotARegistry, {}};
    return {RegistryFileState::Read, search.Answer()};
}

} // namespace vornask
