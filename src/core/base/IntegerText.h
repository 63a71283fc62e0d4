// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace kav {

// The one conversion from a text (a tip cell, a lucky number, a threshold) to a 32-bit
// integer: leading blanks (spaces and tabs) are allowed, then an optional "+" or "-",
// then decimal digits and nothing else. Empty text, trailing characters or a value
// outside the 32-bit range do not convert.
std::optional<int> parseInteger(std::string_view text);

} // namespace kav
