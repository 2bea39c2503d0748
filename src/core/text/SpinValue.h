// How a spin edit's typed text becomes a number within its range.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornask {

// A whole number as a spin edit may hold it: spaces around it, at most one sign, then digits
// with the group separator of the box's language among them ("1,000", or "1.000" in German).
// Such a number outside [min, max] comes to the nearer bound; text that is no whole number
// (empty, letters, a lone sign) counts as `min`.
int ClampedSpinValue(std::string_view text, int min, int max, std::string_view groupSeparator = {});

// Whether `text` is such a number, or its start while it is typed: empty, or a lone sign.
bool IsSpinTyping(std::string_view text, std::string_view groupSeparator);

// A whole number as a file may write it: spaces around it, a sign, leading zeros; none when
// `text` is no whole number or lies beyond what a spin edit can hold.
std::optional<int> WholeNumber(std::string_view text);

// What a spin edit that shows the number in `text` gives back: its decimal digits, or
// `fallback` when `text` holds no number a spin edit can show.
std::string SpinForm(std::string_view text, std::string_view fallback);

} // namespace vornask
