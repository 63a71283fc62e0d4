// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kav {

// Appends the UTF-8 form of the code point `cp` (at most U+10FFFF) to `out`.
void appendUtf8(std::string& out, char32_t cp);

// Decodes one UTF-8 sequence at `i`, advancing `i` past it; nullopt for a malformed
// sequence (an overlong form, a surrogate, a missing continuation byte), which then counts
// as one byte.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i);

// `text` with every malformed sequence replaced by U+FFFD, so that it is valid UTF-8.
std::string validUtf8(std::string_view text);

} // namespace kav
