// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RowComparison.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <string>
#include <vector>

namespace kav {

struct BacktestResult {
    bool completed = false;  // the report was written
    bool stopped = false;    // the user stopped the run
    HitClassTable classes{}; // the hit classes added up over all evaluated draws
    int draws = 0;           // evaluated draws
    int rowsPerTip = 0;      // `UpDown8` when the report was written
    std::string report;      // the text saved as "Test.rtf" (UTF-8, CR LF)
};

// "Historische Analyse der Parameter" (`BitBtn9`): after a Yes to the question, clears
// `CheckBox20` (restored however the command ends), selects the current draw for the end
// date, asks for the lucky number, and then replays the weeks: with the generator's seed
// set to the lucky number every week, "Tipps berechnen" computes tips from the draws up
// to the current draw, the end date moves 7 days on, the next draw is selected and the
// sheet's hit classes against it are added up. The loop ends when a step lands on the
// draw it started from (the newest draw); the report goes to "Test.rtf" and is opened.
// A lucky number that is no whole number, or any error of the replay or the report,
// shows message 46 (with the reason of an error) and writes nothing. The whole replay
// works on one draw snapshot. A stop request (see requestAnalysisStop) ends the replay
// after the week in progress without a report.
BacktestResult BitBtn9Click(ProgramContext& program, Options& options, Ticket& ticket,
                            DrawWindow& drawWindow, RunState& run, Presentation& view);

} // namespace kav
