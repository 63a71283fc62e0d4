// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kav {
namespace {

// The characters Windows-1252 places at 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<std::uint8_t> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<std::uint8_t>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

// Decodes one UTF-8 character at `pos` and moves past it; nullopt (and one byte on) for
// a broken sequence.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07u;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto follow = static_cast<std::uint8_t>(text[pos + i]);
        if ((follow & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        c = (c << 6) | (follow & 0x3Fu);
    }
    // Overlong forms and surrogates are not characters.
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return std::nullopt;
    }
    pos += length;
    return c;
}

} // namespace

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<char32_t> c = nextCharacter(utf8, pos);
        const std::optional<std::uint8_t> byte = c ? windows1252Byte(*c) : std::nullopt;
        out.push_back(static_cast<char>(byte.value_or('?')));
    }
    return out;
}

} // namespace kav
