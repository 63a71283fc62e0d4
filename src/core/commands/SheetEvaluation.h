// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CurrentDraw.h"
#include "model/DrawWindow.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

#include <array>
#include <string_view>

namespace kav {

// Compares one row (five number texts in cell order and a key text) with the current
// draw and leaves the result in `ticket.comparison`. A text that does not convert ends
// the comparison where it stands; nothing escapes.
void Zettelcheck(Ticket& ticket, const CurrentDraw& current,
                 const std::array<std::string_view, 5>& numbers, std::string_view key);

// Evaluates all twelve rows against the current draw: sum labels, sorted cells, lime hit
// cells, hits labels ("2 + R"), red winning labels with the sound, the hit-class table.
// Does nothing but zero the table while the evaluation switch is off.
void Komplettcheck(const ProgramContext& program, Ticket& ticket, const DrawWindow& drawWindow);

} // namespace kav
