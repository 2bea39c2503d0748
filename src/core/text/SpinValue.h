// How a spin edit's typed text becomes a number within its range.
#pragma once

#include <string_view>

namespace vornask {

// A whole number (digits, perhaps after one sign) outside [min, max] comes to the nearer bound;
// text that is no whole number (empty, letters, a lone sign) counts as `min`.
int ClampedSpinValue(std::string_view text, int min, int max);

// Whether `text` is what a spin edit with the range [min, max] gives for one of its values:
// decimal digits without sign or leading zeros.
bool IsSpinText(std::string_view text, int min, int max);

} // namespace vornask
