// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace kav {

inline constexpr int kNumbersPerDraw = 5;
inline constexpr int kHighestNumber = 54;
inline constexpr int kHighestKey = 9;
inline constexpr std::size_t kRecordSize = 16;

// One draw as stored in the draw file: a binary64 day count followed by the eight
// bytes 8..15 (five numbers, a reserved zero, the key number, a reserved zero).
struct DrawRecord {
    double date = 0.0;
    std::array<std::uint8_t, 8> slotValues{};

    int number(int i) const { return slotValues[static_cast<std::size_t>(i)]; }
    int key() const { return slotValues[6]; }
    int crossSum() const;

    // Numbers 1..54 and key 0..9. A record that fails this came from a damaged file;
    // it is counted as a record but never used to index a table.
    // Inline: every statistic asks it of every record.
    bool isValid() const {
        for (int i = 0; i < kNumbersPerDraw; ++i)
            if (number(i) < 1 || number(i) > kHighestNumber)
                return false;
        return key() <= kHighestKey;
    }

    std::array<std::uint8_t, kRecordSize> encode() const;
    static DrawRecord decode(const std::uint8_t* bytes);

    static DrawRecord make(double date, const std::array<int, 5>& numbers, int key);
    // The record a missing draw file is created with.
    static DrawRecord seed();

    bool operator==(const DrawRecord&) const = default;
};

} // namespace kav
