// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/StatisticBands.h"
#include "base/NearestInteger.h"

#include "model/Chart.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(NearestHalfEven, RoundsExactHalvesToTheEvenInteger) {
    struct Case {
        std::int64_t numerator;
        std::int64_t denominator;
        int expected;
    };
    for (const Case& c : {Case{105, 10, 10}, Case{115, 10, 12}, Case{104, 10, 10},
                          Case{106, 10, 11}, Case{-5, 10, 0}, Case{-15, 10, -2}, Case{-16, 10, -2},
                          Case{7, 1, 7}, Case{1, 8, 0}, Case{5, 8, 1}}) {
        EXPECT_EQ(nearestHalfEven(c.numerator, c.denominator), c.expected)
            << c.numerator << "/" << c.denominator;
    }
}

TEST(CountRange, SpansAllPointsAndIsEmptyWithoutPoints) {
    Chart chart;
    EXPECT_EQ(countRangeOf(chart).min, 0);
    EXPECT_EQ(countRangeOf(chart).max, 0);
    chart.points = {{1, 7, {}}, {2, 3, {}}, {3, 9, {}}};
    EXPECT_EQ(countRangeOf(chart).min, 3);
    EXPECT_EQ(countRangeOf(chart).max, 9);
}

// 30 % of a range of 35 is exactly 10.5; computed as 0.3 * 35 in floating point it is a
// hair above and would round to 11.
TEST(StatisticBands, BoundsAreRoundedFromTheExactValue) {
    const CountRange range{0, 35};
    EXPECT_EQ(bottomNumberBand(range, 30, 1).upper, 10);
    EXPECT_EQ(rareGroupBand(range).upper, 10);
    EXPECT_EQ(topNumberBand(range, 30, 1).lower, 24); // 24.5
    EXPECT_EQ(frequentGroupBand(range).lower, 24);
    // Half of an odd percentage: 12.5 % of 4 is 0.5.
    EXPECT_EQ(topNumberBand({0, 4}, 25, 2).lower, 4);     // 3.5 -> 4
    EXPECT_EQ(bottomNumberBand({0, 4}, 25, 2).upper, 0);  // 0.5 -> 0
    EXPECT_EQ(bottomNumberBand({1, 5}, 25, 2).upper, 2);  // 1.5 -> 2
    EXPECT_EQ(bottomNumberBand({0, 20}, 25, 2).upper, 2); // 2.5 -> 2
}

TEST(StatisticBands, GroupBandsExcludeTheirLowerBound) {
    const CountBand frequent = frequentGroupBand({2, 12}); // 12 - 3 = 9 < count <= 12
    EXPECT_FALSE(frequent.contains(9));
    EXPECT_TRUE(frequent.contains(10));
    EXPECT_TRUE(frequent.contains(12));
    EXPECT_FALSE(frequent.contains(13));
    const CountBand rare = rareGroupBand({0, 10}); // 0 < count <= 3
    EXPECT_FALSE(rare.contains(0));
    EXPECT_TRUE(rare.contains(1));
    EXPECT_TRUE(rare.contains(3));
    EXPECT_FALSE(rare.contains(4));
    EXPECT_EQ(rare.lower, 0);
}

TEST(StatisticBands, EqualCountsFillNumberBandsButNotTheFrequentGroupBand) {
    const CountRange flat{6, 6};
    EXPECT_TRUE(topNumberBand(flat, 30, 1).contains(6));
    EXPECT_TRUE(topNumberBand(flat, 30, 2).contains(6));
    EXPECT_TRUE(bottomNumberBand(flat, 20, 1).contains(6));
    EXPECT_TRUE(bottomNumberBand(flat, 20, 2).contains(6));
    EXPECT_FALSE(frequentGroupBand(flat).contains(6));
    EXPECT_TRUE(rareGroupBand(flat).contains(6));
    EXPECT_FALSE(rareGroupBand({0, 0}).contains(0)); // a group never drawn stays out
}

} // namespace
} // namespace kav
