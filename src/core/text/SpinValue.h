// How a spin edit's typed text becomes a number within its range.
#pragma once

#include <string_view>

namespace vornask {

// A whole number as a spin edit may hold it: spaces around it, at most one sign, then digits
// with the group separator of the box's language among them ("1,000", or "1.000" in German).
// Such a number outside [min, max] comes to the nearer bound; text that is no whole number
// (empty, letters, a lone sign) counts as `min`.
int ClampedSpinValue(std::string_view text, int min, int max, std::string_view groupSeparator = {});

// Whether `text` is such a number, or its start while it is typed: empty, or a lone sign.
bool IsSpinTyping(std::string_view text, std::string_view groupSeparator);

// Whether `text` is what a spin edit with the range [min, max] gives for one of its values:
// decimal digits without sign or leading zeros.
bool IsSpinText(std::string_view text, int min, int max);

} // namespace vornask
