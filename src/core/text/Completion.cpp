#include "core/text/Completion.h"

#include <algorithm>

namespace vornask {

std::u16string UpperCaseAsciiLetters(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return result;
}

std::optional<std::size_t> FirstItemStartingWith(const std::vector<std::u16string>& items,
                                                 std::u16string_view text) {
    const std::u16string wanted = UpperCaseAsciiLetters(text);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::u16string_view item = items[i];
        if (UpperCaseAsciiLetters(item.substr(0, text.size())) == wanted)
            return i;
    }
    return std::nullopt;
}

bool CompletionMayRun(const CompletionContext& context, std::size_t textLength,
                      std::size_t itemCount) {
    // Backspace and Delete mean the user is taking characters away: completing again would
    // put back at once what was just removed.
    const bool erasing = context.lastKey == kBackspaceKeyCode || context.lastKey == kDeleteKeyCode;
    return context.complete && context.editable && !erasing && textLength >= context.minLength &&
           itemCount > 0;
}

std::optional<std::u16string> CompletionFor(const std::vector<std::u16string>& items,
                                            std::u16string_view text) {
    const auto index = FirstItemStartingWith(items, text);
    if (!index)
        return std::nullopt;
    return items[*index].substr(text.size());
}

} // namespace vornask
