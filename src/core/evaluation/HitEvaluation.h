// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/CurrentDraw.h"
#include "evaluation/RowComparison.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kav {

class Workspace;

// Compares one row (five number texts in cell order and a key text) with the current
// draw and leaves the result in `ws.comparison`. A text that does not convert ends the
// comparison where it stands; nothing escapes.
void Zettelcheck(Workspace& ws, const std::array<std::string_view, 5>& numbers,
                 std::string_view key);

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

// Evaluates all twelve rows against the current draw: sum labels, sorted cells, lime hit
// cells, hits labels ("2 + R"), red winning labels with the sound, the hit-class table.
// Does nothing but zero the table while the evaluation switch is off.
void Komplettcheck(Workspace& ws);

// A row wins with at least two matched numbers, or with none and the key.
bool isWinningRow(int hitCount, bool keyHit);

} // namespace kav
