// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Options.h"

namespace kav {

// Spin buttons of the rule pages whose bounds follow each other when the mouse presses or
// releases them; only the bounds change (a position outside them is clamped).

// Mouse pressed on `UpDown3` (maximum overlap): `UpDown9`'s maximum becomes `UpDown3`'s
// position and `UpDown3`'s minimum `UpDown9`'s position.
void UpDown3MouseDown(Options& options);
// Mouse released on `UpDown9` (minimum overlap): `UpDown3`'s minimum becomes its position.
void UpDown9MouseUp(Options& options);
// Mouse pressed or released on `UpDown15` (minimum even) or `UpDown16` (minimum odd): its
// maximum becomes 6 minus the other's position, so that the two can reach 6 together.
void evenOddMouseTouch(Options& options, UpDown touched);

} // namespace kav
