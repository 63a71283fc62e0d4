// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kav {

class DrawFile;
class Workspace;

// Selects the current draw for the end-date picker: the first draw dated on or after it,
// or the newest draw when it lies after all draws; moves the picker to the draw's date,
// shows the caption, copies it to the tip page and evaluates the sheet. When the draw
// file is missing it is created instead (seed draw, internet update) and nothing else
// happens. Throws IoError when the file cannot be read (a folder in its place included).
void SpeedButton5Click(Workspace& ws);

// The creation of a missing draw file: message line 17, then under the draw file's lock
// the seed draw (through the safe-write path), the end date on the seed draw's date, the
// internet update, then the end date on today. A file that meanwhile holds draws is left
// alone; the backup of a rebuild that was cut off before it loaded a draw is put back
// instead of the seed draw, and the user is told.
void createMissingDrawFile(Workspace& ws);

// The program's start: a draw file that holds no whole record (empty, or the fragment of
// a lost write) is treated as missing; otherwise SpeedButton5Click.
void selectCurrentDrawAtStart(Workspace& ws);

// The message after an interrupted rebuild's backup was put back.
std::string restoredBackupText(const DrawFile& file);

} // namespace kav
