// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kav {

class Workspace;

// Compares one row (five number texts in cell order and a key text) with the current
// draw and leaves the result in `ws.comparison`. A text that does not convert ends the
// comparison where it stands; nothing escapes.
void Zettelcheck(Workspace& ws, const std::array<std::string_view, 5>& numbers,
                 std::string_view key);

// Evaluates all twelve rows against the current draw: sum labels, sorted cells, lime hit
// cells, hits labels ("2 + R"), red winning labels with the sound, the hit-class table.
// Does nothing but zero the table while the evaluation switch is off.
void Komplettcheck(Workspace& ws);

// A row wins with at least two matched numbers, or with none and the key.
bool isWinningRow(int hitCount, bool keyHit);

} // namespace kav
