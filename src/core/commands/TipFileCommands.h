// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

namespace kav {

// "Speichern des Tipps": the save dialog with the proposed name in the program folder,
// then the tip file.
void SpeedButton15Click(const ProgramContext& program, const Ticket& ticket,
                        const DrawWindow& drawWindow);

// "Tipp laden aus Datei": the open dialog, the tip file into the sheet, then (also after a
// cancelled dialog) the selection of the current draw for the end date with the evaluation.
void SpeedButton16Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                        Presentation& view);

} // namespace kav
