// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace kav {

// What `Zettelcheck` leaves behind: hits of one row against the current draw.
struct RowComparison {
    std::int32_t hitCount = 0;
    std::array<bool, 5> positionHit{};
    bool keyHit = false;
};

// Rows of the sheet by matched numbers 0..5; column 0 without key hit, column 1 with key
// hit, column 2 never counted (the backtest report prints it).
using HitClassTable = std::array<std::array<std::int32_t, 3>, 6>;

} // namespace kav
