// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/CandidatePool.h"
#include "generator/ReferenceDraws.h"
#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

namespace kav {

// Builds the pool of a run from the options of the "Statistisch" page (and the draw
// limits, the date-number options and "nur bevorzugte Zahlen"): the statistics the
// options ask for run over `draws` and fill the chart as the window shows them, numbers
// in their bands earn extra entries, every number gets one entry unless only preferred
// numbers count, and the exclusions are closed up. Progress texts go to status panel 1.
CandidatePool buildCandidatePool(ProgramContext& program, const Options& options, Ticket& ticket,
                                 DrawWindow& drawWindow, const RunState& run, Presentation& view,
                                 const DrawSnapshot& draws, const ReferenceDraws& references);

} // namespace kav
