// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace kav {

// A set of numbers 1..54 as a 54-bit mask: number n is bit n - 1. Overlaps between rows
// and draws are the popcount of an AND, and the bits come out in ascending order.
using NumberMask = std::uint64_t;

inline constexpr bool isDrawableNumber(int value) {
    return value >= 1 && value <= 54;
}

inline constexpr NumberMask maskOfNumber(int number) {
    return NumberMask{1} << static_cast<unsigned>(number - 1);
}

// Values outside 1..54 (an empty cell read as 0, a damaged record) add nothing, so a
// comparison with a mask compares values only.
inline NumberMask maskOf(std::span<const int> values) {
    NumberMask mask = 0;
    for (int v : values)
        if (isDrawableNumber(v))
            mask |= maskOfNumber(v);
    return mask;
}

inline int overlap(NumberMask a, NumberMask b) {
    return std::popcount(a & b);
}

// The numbers of a mask holding exactly five numbers, ascending.
inline std::array<int, 5> numbersOf(NumberMask mask) {
    std::array<int, 5> numbers{};
    for (int& n : numbers) {
        n = std::countr_zero(mask) + 1;
        mask &= mask - 1;
    }
    return numbers;
}

} // namespace kav
