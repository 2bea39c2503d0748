// Arbitrary registry files: the reader never crashes or hangs, and a text it finds is
// well-formed UTF-8. And names and strings written the way Wine writes them read back exactly.
#include "Check.h"
#include "core/registry/WineRegistry.h"
#include "core/text/Utf8.h"

#include <cstdio>
#include <string>

using namespace vornask;

namespace {

// The number of continuation bytes after a UTF-8 lead byte, or -1 for a byte that cannot lead.
int ContinuationBytes(unsigned char lead) {
    if (lead < 0x80)
        return 0;
    if ((lead & 0xE0) == 0xC0)
        return 1;
    if ((lead & 0xF0) == 0xE0)
        return 2;
    if ((lead & 0xF8) == 0xF0)
        return 3;
    return -1;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int extra = ContinuationBytes(static_cast<unsigned char>(text[i]));
        if (extra < 0 || i + extra >= text.size() + (extra == 0))
            return false;
        for (int k = 0; k < extra; ++k)
            if ((static_cast<unsigned char>(text[++i]) & 0xC0) != 0x80)
                return false;
    }
    return true;
}

void AnyFileKeepsTheReaderSound(const uint8_t* bytes, size_t size) {
    // A real header half of the time, so the fuzzer reaches the key and value parsing.
    std::string file(reinterpret_cast<const char*>(bytes), size);
    if (size > 0 && bytes[0] % 2 == 0)
        file = "WINE REGISTRY Version 2\n" + file.substr(1);
    for (const char* key : {"Software\\Titanic Entertainment\\NetStorm",
                            "Software\\Wow6432Node\\Titanic Entertainment\\NetStorm", "A"}) {
        for (const char* value : {"InstallDir", "", "a"}) {
            const RegistryValue found = FindWineRegistryValue(file, key, value);
            Check(found.status == RegistryValueStatus::String || found.text.empty());
            Check(IsUtf8(found.text));
        }
    }
}

bool IsHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// `text` escaped as Wine's registry saving escapes names and strings: a character above 127
// as "\x" and its hex code (four digits when a hex digit follows), a control character as a
// C letter escape or "\" and its octal code (three digits when an octal digit follows), and
// a backslash or either of `delimiters` with a backslash before it.
std::string WineEscaped(const std::u16string& text, const char delimiters[2]) {
    static constexpr char kLetters[33] = ".......abtnvfr.............e....";
    std::string out;
    char number[16];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
        if (c > 127) {
            std::snprintf(number, sizeof number,
                          next < 128 && IsHexDigit(next) ? "\\x%04x" : "\\x%x", unsigned(c));
            out += number;
        } else if (c < 32 && kLetters[c] != '.') {
            out += {'\\', kLetters[c]};
        } else if (c < 32) {
            std::snprintf(number, sizeof number, next >= '0' && next <= '7' ? "\\%03o" : "\\%o",
                          unsigned(c));
            out += number;
        } else {
            if (c == '\\' || c == delimiters[0] || c == delimiters[1])
                out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

// UTF-16 as UTF-8; a surrogate without its partner becomes U+FFFD, as the reader gives it.
std::string Utf8Of(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00));
            continue;
        }
        AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacementCharacter : c);
    }
    return out;
}

// Characters from the input: a byte below C0 is that character (so control characters,
// digits, quotes, brackets and backslashes come often); a higher one takes the next two
// bytes as any UTF-16 code unit, surrogates included.
std::u16string UnitsOf(const uint8_t* bytes, size_t size) {
    std::u16string units;
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] < 0xC0 || i + 2 >= size)
            units += static_cast<char16_t>(bytes[i]);
        else
            units += static_cast<char16_t>(bytes[i + 1] << 8 | bytes[i + 2]), i += 2;
    }
    return units;
}

void WineEscapedTextReadsBackExactly(const uint8_t* bytes, size_t size) {
    const std::u16string units = UnitsOf(bytes, size);
    const std::size_t third = units.size() / 3;
    const std::u16string key = units.substr(0, third);
    const std::u16string name = units.substr(third, third);
    const std::u16string data = units.substr(2 * third);
    const std::string nameLine = name.empty() ? "@" : "\"" + WineEscaped(name, "\"\"") + "\"";
    const std::string file = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n[" +
                             WineEscaped(key, "[]") + "] 1700000000\n#time=1d9f3c2a5b6e7f0\n" +
                             nameLine + "=\"" + WineEscaped(data, "\"\"") + "\"\n";
    const RegistryValue found = FindWineRegistryValue(file, Utf8Of(key), Utf8Of(name));
    Check(found == RegistryValue{RegistryValueStatus::String, Utf8Of(data)});
    // Another key is found only when it is the same name to Windows.
    const std::string other = Utf8Of(data.substr(0, third));
    const bool same = SameWindowsName(Utf8Of(key), other);
    Check((FindWineRegistryValue(file, other, Utf8Of(name)) == found) == same);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    AnyFileKeepsTheReaderSound(bytes, size);
    WineEscapedTextReadsBackExactly(bytes, size);
    return 0;
}
