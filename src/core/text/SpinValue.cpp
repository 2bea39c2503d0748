#include "core/text/SpinValue.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace vornask {

int ClampedSpinValue(std::string_view text, int min, int max) {
    const bool negative = !text.empty() && text.front() == '-';
    const bool hasSign = !text.empty() && (negative || text.front() == '+');
    const std::string_view digits = hasSign ? text.substr(1) : text;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return min;
    long long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    static_cast<void>(end);
    if (error == std::errc::result_out_of_range) // more digits than any range holds
        return negative ? min : max;
    if (negative)
        number = -number;
    return static_cast<int>(std::clamp<long long>(number, min, max));
}

bool IsSpinText(std::string_view text, int min, int max) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && number >= min &&
           number <= max && text == std::to_string(number);
}

} // namespace vornask
