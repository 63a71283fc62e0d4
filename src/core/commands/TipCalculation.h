// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <string>

namespace kav {

// What a run leaves for a caller that reports it (the command-line tool prints it).
struct TipRunSummary {
    bool ran = false; // false when the call only stopped a run in progress
    int attempts = 0; // the attempt counter at the end of the run
    bool budgetUsedUp = false;
    // The user abandoned the run in the number list dialog: no row was computed, the
    // unlocked rows stay cleared, nothing was evaluated.
    bool abandoned = false;
    // The stop button ended the run before the rows to compute were filled; the status
    // bar says so instead of message 30.
    bool stopped = false;
};

// "Berechnung gestoppt: 2 von 5 Tipps berechnet."
std::string stoppedRunText(int filled, int wanted);

// "Tipps berechnen", behind the button `BitBtn4` and the menu entry "&Berechnen": fills
// the unlocked rows of the tip sheet with rows drawn from the candidate pool that pass
// the row rules; all rows share one attempt budget. While a run is in progress the start
// button shows message 20 "Stoppen", and calling this again only requests the stop (the
// button gets its idle caption back at once), which the run notices before its next
// attempt. Equal seeds, options and draw files give equal rows. With `draws` (the
// backtest reads the file once for all its weeks) that snapshot is used instead of
// reading the file. Throws IoError (after putting the window state back) when the draw
// file cannot be read, NumberListError when the number list dialog's weights cannot make
// a pool.
TipRunSummary Label28Click(ProgramContext& program, Options& options, Ticket& ticket,
                           DrawWindow& drawWindow, RunState& run, Presentation& view,
                           const DrawSnapshot* draws = nullptr);

} // namespace kav
