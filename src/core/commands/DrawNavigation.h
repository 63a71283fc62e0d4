// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

namespace kav {

// "vorhergehende Ziehung anzeigen": one draw back by index (not below the first draw),
// shown in the caption and its copy on the tip page, the end date moved to it, the sheet
// evaluated against it. With an empty draw file nothing changes. With `draws` that
// snapshot is used instead of reading the file.
// Throws IoError when the draw file cannot be read.
void SpeedButton6Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws = nullptr);

// "nächste Ziehung anzeigen": one draw forward; on the newest draw it stays there and the
// index stays on the last position. Otherwise as `SpeedButton6Click`.
void SpeedButton7Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws = nullptr);

} // namespace kav
