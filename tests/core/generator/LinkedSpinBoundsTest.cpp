// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LinkedSpinBounds.h"

#include "model/Controls.h"
#include "model/Options.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(LinkedSpinBounds, OverlapMinimumCannotPassTheMaximum) {
    Options o; // maximum overlap 2, minimum overlap 1
    UpDown3MouseDown(o);
    EXPECT_EQ(o.maximum(UpDown::MinimumOverlap), 2);
    EXPECT_EQ(o.minimum(UpDown::MaximumOverlap), 1);
    o.setValue(UpDown::MinimumOverlap, 4); // the spin button stops at its new maximum
    EXPECT_EQ(o.value(UpDown::MinimumOverlap), 2);
    UpDown9MouseUp(o);
    EXPECT_EQ(o.minimum(UpDown::MaximumOverlap), 2);
    o.setValue(UpDown::MaximumOverlap, 0);
    EXPECT_EQ(o.value(UpDown::MaximumOverlap), 2);
    o.setValue(UpDown::MaximumOverlap, 4);
    UpDown3MouseDown(o);
    EXPECT_EQ(o.maximum(UpDown::MinimumOverlap), 4);
}

TEST(LinkedSpinBounds, EvenAndOddMinimumsTogetherReachSix) {
    Options o; // both at 2
    evenOddMouseTouch(o, UpDown::MinimumEven);
    EXPECT_EQ(o.maximum(UpDown::MinimumEven), 4);
    o.setValue(UpDown::MinimumEven, 4);
    evenOddMouseTouch(o, UpDown::MinimumOdd);
    EXPECT_EQ(o.maximum(UpDown::MinimumOdd), 2);
    EXPECT_EQ(o.maximum(UpDown::MinimumEven), 4); // only the touched one changes
    o.setValue(UpDown::MinimumOdd, 1);
    evenOddMouseTouch(o, UpDown::MinimumEven);
    EXPECT_EQ(o.maximum(UpDown::MinimumEven), 5);
}

} // namespace
} // namespace kav
