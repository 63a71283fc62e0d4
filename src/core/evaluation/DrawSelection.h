// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

class Workspace;

// Selects the current draw for the end-date picker: the first draw dated on or after it,
// or the newest draw when it lies after all draws; moves the picker to the draw's date,
// shows the caption, copies it to the tip page and evaluates the sheet. When the draw
// file is missing it is created instead (seed draw, internet update) and nothing else
// happens. Throws IoError when the file cannot be read.
void SpeedButton5Click(Workspace& ws);

// The creation of a missing draw file: message line 17, the seed draw, the end date on
// the seed draw's date, the internet update, then the end date on today.
void createMissingDrawFile(Workspace& ws);

} // namespace kav
