// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

namespace kav {

// "Eingeben": opens the draw entry dialog on the draw dated on the end date (or the newest
// draw), and on OK stores the entered draw with its numbers in ascending order: appended
// when it is newer than every stored draw, otherwise merged into date order through the
// safe-write path, replacing a draw of the same date. The draw file's lock is taken after
// the dialog, and the entry goes into the file as it is then. Then the end date goes back
// to the draw the dialog was opened with (where the picker takes its date) and the current
// draw is selected for it.
// Throws IoError for a missing or empty draw file (nothing is written), for a failed
// write (the draw file stays as it was) and when another program holds the lock; refuses
// while the internet update runs. An answer whose five numbers are not distinct is refused
// with `repeatedNumberText` before anything changes.
void enterDraw(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow, const RunState& run,
               Presentation& view);

// "Löschen": removes every draw dated like the current draw, without asking, by a rewrite
// through the safe-write path under the draw file's lock, then selects the current draw
// for the end date. Refuses while the internet update runs.
void deleteCurrentDraw(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view);

} // namespace kav
