// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NumberMask.h"

#include <array>

namespace kav {

struct CurrentDraw;

// A draw the run measures its rows against: five numbers and the key number, as the
// current draw's slots held them (values only; a damaged record adds nothing to the mask).
struct ReferenceDraw {
    std::array<int, 5> numbers{};
    int key = 0;
    NumberMask mask = 0;

    static ReferenceDraw of(const CurrentDraw& draw);
};

// D1 (the current draw for the end date), D2 and D3 (the one and two draws before it;
// at the start of the file the first draw is taken again).
struct ReferenceDraws {
    ReferenceDraw last;
    ReferenceDraw secondLast;
    ReferenceDraw thirdLast;
};

} // namespace kav
