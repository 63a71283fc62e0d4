// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ReferenceDraws.h"
#include "model/CurrentDraw.h"

namespace kav {

ReferenceDraw ReferenceDraw::of(const CurrentDraw& draw) {
    ReferenceDraw d;
    for (int i = 0; i < 5; ++i)
        d.numbers[static_cast<std::size_t>(i)] = draw.number(i);
    d.key = draw.key();
    d.mask = maskOf(d.numbers);
    return d;
}

} // namespace kav
