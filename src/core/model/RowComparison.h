// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CurrentDraw.h"
#include "model/DrawRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

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

// A row's texts converted once, for commands that compare one row with many draws: a
// text that does not convert is nullopt.
struct ParsedRow {
    std::array<std::optional<int>, 5> numbers;
    std::optional<int> key;
    static ParsedRow of(const std::array<std::string_view, 5>& numbers, std::string_view key);
};

// The five drawn numbers in slot order and the key number a row is compared with.
struct DrawnNumbers {
    std::array<int, 5> numbers{};
    int key = 0;
    static DrawnNumbers of(const CurrentDraw& draw);
    static DrawnNumbers of(const DrawRecord& record);
};

// What `Zettelcheck` leaves for a row already converted: each drawn number against every
// position in turn, stopping at the first position that did not convert; the key only
// when all five numbers converted.
RowComparison compareRow(const ParsedRow& row, const DrawnNumbers& drawn);

// A row wins with at least two matched numbers, or with none and the key.
bool isWinningRow(int hitCount, bool keyHit);

} // namespace kav
