// The auto-completing combo box's rules, apart from any window: which item completes a
// typed text, and when completion is tried at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// Key codes as the completion sees them (the desktop's virtual key codes).
constexpr std::uint16_t kBackspaceKeyCode = 8;
constexpr std::uint16_t kDeleteKeyCode = 46;

// `text` with only the letters "a" to "z" upper-cased; accented letters and everything else
// stay as they are.
std::u16string UpperCaseAsciiLetters(std::u16string_view text);

// The first item that begins with `text`, comparing with only "a" to "z" upper-cased.
std::optional<std::size_t> FirstItemStartingWith(const std::vector<std::u16string>& items,
                                                 std::u16string_view text);

// What the control knows when a change ends.
struct CompletionContext {
    bool complete = true;      // completion switched on
    bool editable = true;      // the control has an edit field
    std::uint16_t lastKey = 0; // the last key pressed in it, 0 for none yet
    std::uint16_t minLength = 0;
};

// Whether completion is tried for a text of `textLength` characters among `itemCount` items.
bool CompletionMayRun(const CompletionContext& context, std::size_t textLength,
                      std::size_t itemCount);

// The characters that complete `text`: the rest of the first item beginning with it, in the
// item's own case (empty when the item equals the text). Nothing when no item begins with it.
std::optional<std::u16string> CompletionFor(const std::vector<std::u16string>& items,
                                            std::u16string_view text);

} // namespace vornask
