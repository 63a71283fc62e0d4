// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

namespace kav {

// The one conversion from a text (a tip cell, a lucky number, a threshold) to a 32-bit
// integer: leading blanks (spaces and tabs) are allowed, then an optional "+" or "-",
// then decimal digits and nothing else. Empty text, trailing characters or a value
// outside the 32-bit range do not convert.
std::optional<int> parseInteger(std::string_view text);

// The conversion error of a text the user typed where a whole number belongs (a threshold,
// a lucky number): the command ends and the error is shown.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `parseInteger`, with a text that does not convert throwing ConversionError
// ("'abc' ist keine gültige ganze Zahl.").
int integerOrThrow(std::string_view text);

} // namespace kav
