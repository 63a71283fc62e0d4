// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IntegerText.h"

#include <charconv>
#include <limits>
#include <string>

namespace kav {

std::optional<int> parseInteger(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    long long magnitude = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (ec != std::errc{} || ptr != text.data() + text.size())
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

int integerOrThrow(std::string_view text) {
    if (const std::optional<int> value = parseInteger(text))
        return *value;
    throw ConversionError("'" + std::string(text) + "' ist keine gültige ganze Zahl.");
}

} // namespace kav
