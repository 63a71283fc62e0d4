// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/DrawCaption.h"
#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

#include <string>

namespace kav {

class DrawFile;

// Shows the current draw: the caption on the "Datenbank" page and the cross-sum label.
// The copy on the tip page is made by the caller, as each command does it at its own time.
void showCurrentDraw(const ProgramContext& program, const DrawWindow& drawWindow,
                     Presentation& view, CaptionVariant variant);

// Selects the current draw for the end-date picker: the first draw dated on or after it,
// or the newest draw when it lies after all draws; moves the picker to the draw's date,
// shows the caption, copies it to the tip page and evaluates the sheet. When the draw
// file is missing it is created instead (seed draw, internet update) and nothing else
// happens. With `draws` (a command that reads the file once for many steps) that snapshot
// is used instead of reading the file. Throws IoError when the file cannot be read (a
// folder in its place included).
void SpeedButton5Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws = nullptr);

// The creation of a missing draw file: message line 17, then under the draw file's lock
// the seed draw (through the safe-write path), the end date on the seed draw's date, the
// internet update, then the end date on today. A file that meanwhile holds draws is left
// alone; the backup of a rebuild that was cut off before it loaded a draw is put back
// instead of the seed draw, and the user is told.
void createMissingDrawFile(ProgramContext& program, DrawWindow& drawWindow);

// The program's start: a draw file that holds no whole record (empty, or the fragment of
// a lost write) is treated as missing; otherwise SpeedButton5Click.
void selectCurrentDrawAtStart(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                              Presentation& view);

// The message after an interrupted rebuild's backup was put back.
std::string restoredBackupText(const DrawFile& file);

} // namespace kav
