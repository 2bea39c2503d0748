#include "core/text/LostCharacters.h"

#include "core/text/Windows1252.h"

#include <cstdio>
#include <iterator>

namespace vornask {
namespace {

// Characters that show nothing, or move text around, when put in a message.
bool ShowsNothing(char32_t c) {
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    const bool format = (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
                        (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
    return IsControlCharacter(c) || surrogate || format;
}

std::u32string CodeName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return std::u32string(name, name + std::char_traits<char>::length(name));
}

// Visible characters side by side; a named one set apart by spaces.
std::u32string Shown(const std::u32string& characters) {
    std::u32string shown;
    bool lastNamed = false;
    for (char32_t c : characters) {
        const bool named = ShowsNothing(c);
        if (!shown.empty() && (named || lastNamed))
            shown += U' ';
        shown += named ? CodeName(c) : std::u32string(1, c);
        lastNamed = named;
    }
    return shown;
}

} // namespace

void LostCharacters::Record(FieldRef where, std::u16string_view text) {
    std::u32string lost = LostInWindows1252(text);
    if (lost.empty())
        lost_.erase(where);
    else
        lost_[where] = std::move(lost);
}

void LostCharacters::Forget(TextField field) {
    std::erase_if(lost_, [field](const auto& entry) { return entry.first.field == field; });
}

// Items of `field` from `item` on moved by `step` places; `item` itself forgotten when it is
// removed (a step back).
void LostCharacters::ShiftItems(TextField field, int item, int step) {
    std::map<FieldRef, std::u32string> kept;
    for (auto& [where, lost] : lost_) {
        if (where.field != field || where.item < item)
            kept.emplace(where, std::move(lost));
        else if (where.item > item || step > 0)
            kept.emplace(FieldRef{field, where.item + step, where.side}, std::move(lost));
    }
    lost_ = std::move(kept);
}

void LostCharacters::RemoveItem(TextField field, int item) {
    ShiftItems(field, item, -1);
}

void LostCharacters::InsertItem(TextField field, int item) {
    ShiftItems(field, item, 1);
}

void LostCharacters::SwapItems(TextField field, int a, int b) {
    std::map<FieldRef, std::u32string> swapped;
    for (auto& [where, lost] : lost_) {
        FieldRef moved = where;
        if (where.field == field && (where.item == a || where.item == b))
            moved.item = where.item == a ? b : a;
        swapped.emplace(moved, std::move(lost));
    }
    lost_ = std::move(swapped);
}

std::vector<LostNotice> LostCharacters::Notices() const {
    std::vector<LostNotice> notices;
    for (const auto& [where, lost] : lost_)
        notices.push_back({where, Shown(lost)});
    return notices;
}

} // namespace vornask
