// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LinkedSpinBounds.h"

#include "app/Options.h"

namespace kav {

void UpDown3MouseDown(Options& o) {
    o.setUpDownBounds(9, o.upDownMinimum(9), o.upDown(3));
    o.setUpDownBounds(3, o.upDown(9), o.upDownMaximum(3));
}

void UpDown9MouseUp(Options& o) {
    o.setUpDownBounds(3, o.upDown(9), o.upDownMaximum(3));
}

void evenOddMouseTouch(Options& o, int upDown) {
    const int other = upDown == 15 ? 16 : 15;
    o.setUpDownBounds(upDown, o.upDownMinimum(upDown), 6 - o.upDown(other));
}

} // namespace kav
