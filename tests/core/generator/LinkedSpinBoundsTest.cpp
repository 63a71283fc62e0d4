// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LinkedSpinBounds.h"

#include "app/Options.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(LinkedSpinBounds, OverlapMinimumCannotPassTheMaximum) {
    Options o; // maximum overlap 2, minimum overlap 1
    UpDown3MouseDown(o);
    EXPECT_EQ(o.upDownMaximum(9), 2);
    EXPECT_EQ(o.upDownMinimum(3), 1);
    o.setUpDown(9, 4); // the spin button stops at its new maximum
    EXPECT_EQ(o.upDown(9), 2);
    UpDown9MouseUp(o);
    EXPECT_EQ(o.upDownMinimum(3), 2);
    o.setUpDown(3, 0);
    EXPECT_EQ(o.upDown(3), 2);
    o.setUpDown(3, 4);
    UpDown3MouseDown(o);
    EXPECT_EQ(o.upDownMaximum(9), 4);
}

TEST(LinkedSpinBounds, EvenAndOddMinimumsTogetherReachSix) {
    Options o; // both at 2
    evenOddMouseTouch(o, 15);
    EXPECT_EQ(o.upDownMaximum(15), 4);
    o.setUpDown(15, 4);
    evenOddMouseTouch(o, 16);
    EXPECT_EQ(o.upDownMaximum(16), 2);
    EXPECT_EQ(o.upDownMaximum(15), 4); // only the touched one changes
    o.setUpDown(16, 1);
    evenOddMouseTouch(o, 15);
    EXPECT_EQ(o.upDownMaximum(15), 5);
}

} // namespace
} // namespace kav
