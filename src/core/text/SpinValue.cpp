#include "core/text/SpinValue.h"

#include "core/text/Markup.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

namespace vornask {
namespace {

// A spin edit's text taken apart: its sign and its digits without the group separators.
struct SpinNumber {
    bool negative = false;
    std::string digits;
};

// The sign and digits of `text`, or nothing when it holds anything else.
std::optional<SpinNumber> ReadSpinNumber(std::string_view text, std::string_view groupSeparator) {
    text = Trimmed(text);
    SpinNumber number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    while (!text.empty()) {
        if (text.front() >= '0' && text.front() <= '9') {
            number.digits.push_back(text.front());
            text.remove_prefix(1);
        } else if (!groupSeparator.empty() && text.starts_with(groupSeparator)) {
            text.remove_prefix(groupSeparator.size());
        } else {
            return std::nullopt;
        }
    }
    return number;
}

// The value of `digits`; none when no long long holds it.
std::optional<long long> ValueOf(const std::string& digits) {
    long long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    static_cast<void>(end);
    return error == std::errc() ? std::optional(number) : std::nullopt;
}

} // namespace

int ClampedSpinValue(std::string_view text, int min, int max, std::string_view groupSeparator) {
    const std::optional<SpinNumber> read = ReadSpinNumber(text, groupSeparator);
    if (!read || read->digits.empty())
        return min;
    const std::optional<long long> number = ValueOf(read->digits);
    if (!number) // more digits than any range holds
        return read->negative ? min : max;
    return static_cast<int>(std::clamp<long long>(read->negative ? -*number : *number, min, max));
}

bool IsSpinTyping(std::string_view text, std::string_view groupSeparator) {
    return ReadSpinNumber(text, groupSeparator).has_value();
}

std::optional<int> WholeNumber(std::string_view text) {
    const std::optional<SpinNumber> read = ReadSpinNumber(text, {});
    if (!read || read->digits.empty())
        return std::nullopt;
    const std::optional<long long> number = ValueOf(read->digits);
    if (!number || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(read->negative ? -*number : *number);
}

std::string SpinForm(std::string_view text, std::string_view fallback) {
    const std::optional<int> number = WholeNumber(text);
    return number ? std::to_string(*number) : std::string(fallback);
}

} // namespace vornask
