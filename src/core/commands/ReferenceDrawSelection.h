// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/ReferenceDraws.h"
#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

namespace kav {

// The reference draws of a run as the window finds them: selects the current draw for the
// end date, steps back twice, then puts the end date back (a refusal of the picker is
// ignored) and selects the current draw for it again. With `draws` that snapshot is used
// for every step. Throws IoError when the draw file cannot be read.
ReferenceDraws readReferenceDraws(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                                  Presentation& view, const DrawSnapshot* draws = nullptr);

} // namespace kav
