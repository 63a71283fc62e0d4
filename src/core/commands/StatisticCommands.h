// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

namespace kav {

// The statistic commands of the window. Each reads the two date pickers, stores the
// window fields, publishes its chart in `view.chart`, switches pages as the window does
// and leaves the side effects the window shows (the group statistics leave the last
// window draw in the current draw's slots and its comparison in the ticket). When `draws`
// is given (a generator run reads the file once per run) it is used instead of reading the
// draw file. Throw IoError.
// Number distribution
void SpeedButton2Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view,
                       const DrawSnapshot* draws = nullptr);
// Overdue numbers
void Button5Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws = nullptr);
// Cross sums
void SpeedButton9Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view,
                       const DrawSnapshot* draws = nullptr);
// Pairs
void Button2Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws = nullptr);
// Triples
void Button3Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws = nullptr);
// Quads
void Button4Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws = nullptr);
// Key frequency
void SpeedButton3Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view,
                       const DrawSnapshot* draws = nullptr);
// Key overdue
void Button8Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws = nullptr);

// One of the above, as the generator's pool build and key choice run them.
using StatisticCommand = void (*)(ProgramContext&, Ticket&, DrawWindow&, const RunState&,
                                  Presentation&, const DrawSnapshot*);

// Tip distribution.
void Button6Click(const ProgramContext& program, const Ticket& ticket, Presentation& view);

// The small buttons and clickable texts of the generator pages and the chart's tool bar
// that bring the "Diagramm" page to the front and then run a statistic there.
void SpeedButton26Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                        const RunState& run,
                        Presentation& view); // number distribution
void Label88Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run,
                  Presentation& view); // cross sums
void Label89Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run,
                  Presentation& view); // pairs
void Label91Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run,
                  Presentation& view); // triples
void Label90Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run,
                  Presentation& view); // quads
void SuperseltenClick(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                      const RunState& run,
                      Presentation& view); // key frequency
// Runs the key-number overdue, which brings the page to the front itself.
void SuperAusClick(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                   const RunState& run, Presentation& view);

} // namespace kav
