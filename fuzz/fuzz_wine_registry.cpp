// Arbitrary registry files: the reader never crashes or hangs, and a text it finds is
// well-formed UTF-8.
#include "Check.h"
#include "core/registry/WineRegistry.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
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
    return 0;
}
