// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

class Workspace;

// "vorhergehende Ziehung anzeigen": one draw back by index (not below the first draw),
// shown in the caption and its copy on the tip page, the end date moved to it, the sheet
// evaluated against it. With an empty draw file nothing changes.
// Throws IoError when the draw file cannot be read.
void SpeedButton6Click(Workspace& ws);

// "nächste Ziehung anzeigen": one draw forward; on the newest draw it stays there and the
// index stays on the last position. Otherwise as `SpeedButton6Click`.
void SpeedButton7Click(Workspace& ws);

} // namespace kav
