// How a spin edit's typed text becomes a number within its range.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornask {

// A whole number (digits, perhaps after one sign) outside [min, max] comes to the nearer bound;
// text that is no whole number (empty, letters, a lone sign) counts as `min`.
int ClampedSpinValue(std::string_view text, int min, int max);

// A whole number as a file may write it: spaces around it, a sign, leading zeros; none when
// `text` is no whole number or lies beyond what a spin edit can hold.
std::optional<int> WholeNumber(std::string_view text);

// What a spin edit that shows the number in `text` gives back: its decimal digits, or
// `fallback` when `text` holds no number a spin edit can show.
std::string SpinForm(std::string_view text, std::string_view fallback);

} // namespace vornask
