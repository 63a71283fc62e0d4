// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ReferenceDraws.h"

#include "app/Workspace.h"
#include "draws/DrawNavigation.h"
#include "evaluation/DrawSelection.h"

namespace kav {

ReferenceDraw ReferenceDraw::of(const CurrentDraw& draw) {
    ReferenceDraw d;
    for (int i = 0; i < 5; ++i)
        d.numbers[static_cast<std::size_t>(i)] = draw.number(i);
    d.key = draw.key();
    d.mask = maskOf(d.numbers);
    return d;
}

ReferenceDraws readReferenceDraws(Workspace& ws) {
    const DayCount endDate = ws.endPicker.value;
    ReferenceDraws draws;
    SpeedButton5Click(ws);
    draws.last = ReferenceDraw::of(ws.current);
    SpeedButton6Click(ws);
    draws.secondLast = ReferenceDraw::of(ws.current);
    SpeedButton6Click(ws);
    draws.thirdLast = ReferenceDraw::of(ws.current);
    ws.endPicker.set(endDate);
    SpeedButton5Click(ws);
    return draws;
}

} // namespace kav
