// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/ReferenceDrawSelection.h"

#include "commands/DrawNavigation.h"
#include "commands/DrawSelection.h"

namespace kav {

ReferenceDraws readReferenceDraws(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                                  Presentation& view, const DrawSnapshot* draws) {
    const DayCount endDate = drawWindow.endPicker.value;
    ReferenceDraws references;
    SpeedButton5Click(program, ticket, drawWindow, view, draws);
    references.last = ReferenceDraw::of(drawWindow.current);
    SpeedButton6Click(program, ticket, drawWindow, view, draws);
    references.secondLast = ReferenceDraw::of(drawWindow.current);
    SpeedButton6Click(program, ticket, drawWindow, view, draws);
    references.thirdLast = ReferenceDraw::of(drawWindow.current);
    drawWindow.endPicker.set(endDate);
    SpeedButton5Click(program, ticket, drawWindow, view, draws);
    return references;
}

} // namespace kav
