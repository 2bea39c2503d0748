// File-name rules on arbitrary paths: the ".german" copy always stays in the chosen file's
// folder (beside an ".english" file, under the same name), and the text helpers keep every
// byte the game's text can hold.
#include "Check.h"
#include "core/registry/WindowsNames.h"
#include "core/saving/SaveProcedure.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <string>

using namespace vornask;

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string path(reinterpret_cast<const char*>(bytes), size);

    if (const auto copy = GermanCopyPath(path)) {
        Check(copy->size() >= 7 && SameWindowsName(copy->substr(copy->size() - 7), ".german"));
        Check(FolderOf(*copy) == FolderOf(path));
        Check(path.compare(0, copy->size() - 7, *copy, 0, copy->size() - 7) == 0);
        // An ".english" file's copy differs from it in the ending alone.
        if (HasEnglishExtension(path))
            Check(copy->size() == path.size() - 1);
    } else {
        Check(!HasEnglishExtension(path));
        Check(path.substr(FolderOf(path).size()).find(".eng") == std::string::npos);
    }

    // Every byte comes back but those of control characters, which the game's text cannot
    // hold: each of them becomes one "?".
    const std::u16string decoded = DecodeWindows1252(path);
    const std::string encoded = EncodeWindows1252(decoded);
    Check(decoded.size() == path.size() && encoded.size() == path.size());
    for (std::size_t i = 0; i < path.size(); ++i)
        Check(encoded[i] == (IsControlCharacter(decoded[i]) ? '?' : path[i]));

    std::string rejoined;
    for (const std::string& line : SplitLines(path))
        rejoined += line + "\r\n";
    Check(rejoined == JoinLinesCrLf(SplitLines(path)));
    Check(SplitLines(WithCrLfLineBreaks(path)) == SplitLines(path));
    return 0;
}
