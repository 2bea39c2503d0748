#include "core/text/SpinValue.h"

#include "core/text/Markup.h"

#include <algorithm>
#include <charconv>
#include <limits>
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

std::optional<int> WholeNumber(std::string_view text) {
    text = TrimmedEnd(text.substr(IndentOf(text)));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    static_cast<void>(end);
    if (error != std::errc() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(negative ? -number : number);
}

std::string SpinForm(std::string_view text, std::string_view fallback) {
    const std::optional<int> number = WholeNumber(text);
    return number ? std::to_string(*number) : std::string(fallback);
}

} // namespace vornask
