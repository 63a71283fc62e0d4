// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Windows1252.h"

#include <array>
#include <cstdint>

namespace kav {
namespace {

// Code points of the bytes 0x80..0x9F; the five undefined bytes keep their own number.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80u] : char32_t{b});
    }
    return out;
}

std::string windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > utf8.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        bool wellFormed = true;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            wellFormed = wellFormed && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3Fu);
        }
        out += wellFormed ? windows1252Byte(c) : '?';
        i += wellFormed ? length : 1;
    }
    return out;
}

} // namespace kav
