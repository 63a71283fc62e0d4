// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IntegerText.h"

#include <charconv>

namespace kav {

std::optional<int> parseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    text.remove_prefix(pos);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || text.front() == ' ')
        return std::nullopt;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace kav
