// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

namespace kav {

// The editor buttons `Tipp1Edit`..`Tipp12Edit` (row 0..11): the number list dialog with
// the caption "r." and message 51 "Tipp bearbeiten", the row's numbers checked and yellow
// and the random animation for five picks. OK writes the dialog's numbers into the row.
void TippEditClick(ProgramContext& program, Ticket& ticket, RunState& run, int row);

} // namespace kav
