// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LinkedSpinBounds.h"

#include "model/Options.h"

namespace kav {

void UpDown3MouseDown(Options& o) {
    o.setBounds(UpDown::MinimumOverlap, o.minimum(UpDown::MinimumOverlap),
                o.value(UpDown::MaximumOverlap));
    o.setBounds(UpDown::MaximumOverlap, o.value(UpDown::MinimumOverlap),
                o.maximum(UpDown::MaximumOverlap));
}

void UpDown9MouseUp(Options& o) {
    o.setBounds(UpDown::MaximumOverlap, o.value(UpDown::MinimumOverlap),
                o.maximum(UpDown::MaximumOverlap));
}

void evenOddMouseTouch(Options& o, UpDown touched) {
    const UpDown other = touched == UpDown::MinimumEven ? UpDown::MinimumOdd : UpDown::MinimumEven;
    o.setBounds(touched, o.minimum(touched), 6 - o.value(other));
}

} // namespace kav
