// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "commands/StatisticCommands.h"

namespace kav::gui {

// The statistic commands as the window's buttons run them: over the parts of the whole
// workspace, reading the draw file themselves. `runStatistic<Button2Click>` is a plain
// function the button tables can hold.
template <StatisticCommand statistic> void runStatistic(Workspace& w) {
    statistic(w.program, w.ticket, w.drawWindow, w.run, w.view, nullptr);
}

// The buttons and clickable texts that bring the chart page to the front first.
using ShownStatisticCommand = void (*)(ProgramContext&, Ticket&, DrawWindow&, const RunState&,
                                       Presentation&);
template <ShownStatisticCommand statistic> void runShownStatistic(Workspace& w) {
    statistic(w.program, w.ticket, w.drawWindow, w.run, w.view);
}

} // namespace kav::gui
