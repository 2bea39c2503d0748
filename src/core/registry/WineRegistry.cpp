#include "core/registry/WineRegistry.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace vornask {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
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

// The file's lines; a CR before the LF is no part of a line.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line) {
        if (done_)
            return false;
        const auto end = rest_.find('\n');
        if (end == std::string_view::npos) {
            line = rest_;
            done_ = true;
        } else {
            line = rest_.substr(0, end);
            rest_.remove_prefix(end + 1);
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return length;
}

// The file is UTF-8; a byte that does not belong to a well-formed sequence becomes U+FFFD, so
// the text handed on is always valid.
std::string WithoutInvalidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        valid += length ? text.substr(0, length) : std::string_view("\xEF\xBF\xBD");
        text.remove_prefix(length ? length : 1);
    }
    return valid;
}

// Text gathered from UTF-16 code units (escapes, binary string data) and raw bytes of the
// file, as UTF-8. A surrogate without its partner becomes U+FFFD.
class Utf8Text {
public:
    void AddUnit(char16_t unit) {
        if (pendingHigh_ && unit >= 0xDC00 && unit <= 0xDFFF) {
            AddCodePoint(0x10000 + ((char32_t(pendingHigh_) - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh_ = 0;
            return;
        }
        FlushLoneSurrogate();
        if (unit >= 0xD800 && unit <= 0xDBFF)
            pendingHigh_ = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            AddCodePoint(0xFFFD);
        else
            AddCodePoint(unit);
    }

    void AddByte(char byte) {
        FlushLoneSurrogate();
        text_ += byte;
    }

    std::string Take() {
        FlushLoneSurrogate();
        return WithoutInvalidUtf8(text_);
    }

private:
    void FlushLoneSurrogate() {
        if (pendingHigh_)
            AddCodePoint(0xFFFD);
        pendingHigh_ = 0;
    }

    void AddCodePoint(char32_t c) {
        auto add = [this](char32_t byte) { text_ += static_cast<char>(byte); };
        if (c < 0x80) {
            add(c);
        } else if (c < 0x800) {
            add(0xC0 | (c >> 6));
            add(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            add(0xE0 | (c >> 12));
            add(0x80 | ((c >> 6) & 0x3F));
            add(0x80 | (c & 0x3F));
        } else {
            add(0xF0 | (c >> 18));
            add(0x80 | ((c >> 12) & 0x3F));
            add(0x80 | ((c >> 6) & 0x3F));
            add(0x80 | (c & 0x3F));
        }
    }

    std::string text_;
    char16_t pendingHigh_ = 0;
};

struct Escape {
    char letter;
    char16_t unit;
};

constexpr Escape kEscapes[] = {
    {'\\', u'\\'}, {'"', u'"'},  {'n', u'\n'},  {'r', u'\r'}, {'t', u'\t'}, {'0', u'\0'},
    {'a', u'\a'},  {'b', u'\b'}, {'e', 0x001B}, {'f', u'\f'}, {'v', u'\v'},
};

// An escaped text up to the unescaped `terminator`, which is consumed; nothing when the text
// ends first. "\x" takes up to four hex digits as one UTF-16 code unit; any other escaped
// character stands for itself (so "\]" in a key name is "]").
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
        const char letter = text.front();
        text.remove_prefix(1);
        if (letter == 'x') {
            const auto unit = ConsumeHex(text, 4);
            out.AddUnit(unit ? static_cast<char16_t>(*unit) : u'x');
            continue;
        }
        const auto* escape = std::ranges::find(kEscapes, letter, &Escape::letter);
        if (escape != std::end(kEscapes))
            out.AddUnit(escape->unit);
        else
            out.AddByte(letter);
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
// next one.
std::string JoinContinuations(std::string_view first, Lines& lines) {
    std::string data(TrimRight(first));
    std::string_view next;
    while (data.ends_with('\\') && lines.Next(next)) {
        data.pop_back();
        data += TrimRight(TrimLeft(next));
    }
    return data;
}

// The data after "=": a quoted string, str(N):"...", dword:..., hex:... or hex(N):....
// Nothing when it is malformed.
std::optional<RegistryValue> ParseData(std::string_view data, Lines& lines) {
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
        const auto bytes = HexBytes(JoinContinuations(data, lines));
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
std::optional<NamedValue> ParseValueLine(std::string_view line, Lines& lines) {
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

bool IsHeader(std::string_view line) {
    ConsumePrefix(line, kUtf8Bom);
    return TrimRight(line) == kHeader;
}

} // namespace

bool SameWindowsName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

RegistryValue FindWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                    std::string_view valueName) {
    Lines lines(fileText);
    std::string_view line;
    if (!lines.Next(line) || !IsHeader(line))
        return {};
    // A key may appear more than once; as when Wine loads the file, the last value counts.
    RegistryValue found;
    bool inKey = false;
    while (lines.Next(line)) {
        line = TrimLeft(line);
        if (line.starts_with('[')) {
            const auto key = KeyOfLine(line);
            inKey = key && SameWindowsName(*key, keyPath);
        } else if (line.starts_with('"') || line.starts_with('@')) {
            const auto value = ParseValueLine(line, lines);
            if (inKey && value && SameWindowsName(value->name, valueName))
                found = value->value;
        }
        // Anything else carries no value: blank lines, "#" and ";" comments, stray text.
    }
    return found;
}

std::string ReadWineRegistryFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace vornask
