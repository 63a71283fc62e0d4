// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/ChanceComparison.h"

#include "model/Chart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kav::test {
namespace {

// Rows by matched numbers 0..5: {without key, with key, unused}.
HitClassTable table(const std::array<int, 6>& without, const std::array<int, 6>& with) {
    HitClassTable t{};
    for (std::size_t k = 0; k < 6; ++k)
        t[k] = {without[k], with[k], 0};
    return t;
}

const ChanceClass& cell(const ChanceComparison& c, int hits, bool key) {
    return c.classes[static_cast<std::size_t>(hits + (key ? 6 : 0))];
}

TEST(ChanceComparison, HitProbabilitiesAreTheExactFractions) {
    // C(5,k) * C(49,5-k) out of C(54,5) = 3,162,510 rows.
    const double counts[] = {1906884, 1059380, 184240, 11760, 245, 1};
    double sum = 0.0;
    for (int k = 0; k <= 5; ++k) {
        EXPECT_DOUBLE_EQ(numberHitProbability(k), counts[k] / 3162510.0) << k;
        sum += numberHitProbability(k);
    }
    EXPECT_DOUBLE_EQ(sum, 1.0);
    EXPECT_EQ(numberHitProbability(6), 0.0);
}

TEST(ChanceComparison, ExpectedCountsOfAHandComputedCase) {
    const ChanceComparison c =
        compareWithChance(table({2950, 1700, 300, 25, 1, 0}, {330, 170, 22, 2, 0, 0}));
    EXPECT_EQ(c.rows, 5500);
    ASSERT_EQ(c.classes.size(), 12u);
    // 5500 * 1906884 / 3162510 * 9/10, 5500 * 184240 / 3162510 / 10, ...
    EXPECT_NEAR(cell(c, 0, false).expected, 2984.678562281226, 1e-9);
    EXPECT_NEAR(cell(c, 2, true).expected, 32.041637813002964, 1e-9);
    EXPECT_NEAR(cell(c, 3, false).expected, 18.406898318108084, 1e-9);
    EXPECT_EQ(cell(c, 1, false).observed, 1700);
    EXPECT_EQ(cell(c, 3, true).observed, 2);
    double expectedTotal = 0.0;
    for (const ChanceClass& k : c.classes)
        expectedTotal += k.expected;
    EXPECT_NEAR(expectedTotal, 5500.0, 1e-9);
    // Winning: 2+ numbers with or without key, or none with the key.
    EXPECT_EQ(c.observedWinning, 300 + 25 + 1 + 22 + 2 + 330);
}

TEST(ChanceComparison, ClassesMergeUntilFiveAreExpectedAndThePValueFollowsTheChiSquare) {
    const ChanceComparison c =
        compareWithChance(table({2950, 1700, 300, 25, 1, 0}, {330, 170, 22, 2, 0, 0}));
    ASSERT_TRUE(c.test);
    std::vector<std::string> labels;
    for (const ChanceTestClass& m : c.test->classes) {
        labels.push_back(m.label);
        EXPECT_GE(m.expected, 5.0) << m.label;
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"3–5", "2", "1", "0", "2–5 + R", "1 + R", "0 + R"}));
    EXPECT_EQ(c.test->classes[0].observed, 26);
    EXPECT_EQ(c.test->classes[4].observed, 24);
    EXPECT_NEAR(c.test->chiSquare, 8.807403976135673, 1e-9);
    EXPECT_EQ(c.test->degreesOfFreedom, 6);
    // For six degrees of freedom the upper tail is exp(-x/2) * (1 + x/2 + (x/2)^2 / 2).
    const double h = c.test->chiSquare / 2.0;
    EXPECT_NEAR(c.test->pValue, std::exp(-h) * (1.0 + h + h * h / 2.0), 1e-12);
    EXPECT_NEAR(c.test->pValue, 0.18470276826553023, 1e-12);
    EXPECT_FALSE(c.significant);
    ASSERT_GE(c.verdict.size(), 2u);
    EXPECT_EQ(c.verdict[1].rfind("Kein messbarer Unterschied zum Zufall (p = 0,185)", 0), 0u)
        << c.verdict[1];
}

TEST(ChanceComparison, FewRowsTestTheMatchedNumbersAloneOrNotAtAll) {
    // Thirty rows: random rows would hit the key less than five times in all.
    const ChanceComparison few = compareWithChance(table({15, 10, 1, 0, 0, 0}, {2, 2, 0, 0, 0, 0}));
    ASSERT_TRUE(few.test);
    ASSERT_EQ(few.test->classes.size(), 2u);
    EXPECT_EQ(few.test->classes[0].label, "1–5 (mit oder ohne R)");
    EXPECT_EQ(few.test->classes[0].observed, 13);
    EXPECT_EQ(few.test->classes[1].observed, 17);
    EXPECT_NEAR(few.test->chiSquare, 0.16511351570017735, 1e-9);
    // One degree of freedom: erfc(sqrt(x/2)).
    EXPECT_NEAR(few.test->pValue, std::erfc(std::sqrt(few.test->chiSquare / 2.0)), 1e-12);

    const ChanceComparison none = compareWithChance(table({6, 3, 1, 0, 0, 0}, {}));
    EXPECT_FALSE(none.test);
    EXPECT_FALSE(none.significant);
    EXPECT_EQ(none.verdict.back().rfind("Zu wenige Reihen", 0), 0u);
    EXPECT_FALSE(compareWithChance(HitClassTable{}).test);
}

TEST(ChanceComparison, AFarOffDistributionIsCalledADeviation) {
    // A thousand rows that all won with two numbers.
    const ChanceComparison c = compareWithChance(table({0, 0, 900, 0, 0, 0}, {0, 0, 100, 0, 0, 0}));
    ASSERT_TRUE(c.test);
    EXPECT_TRUE(c.significant);
    EXPECT_LT(c.test->pValue, 1e-10);
    EXPECT_NE(c.verdict[1].find("mehr Gewinnreihen"), std::string::npos) << c.verdict[1];
    EXPECT_NE(c.verdict[1].find("p = < 0,001"), std::string::npos) << c.verdict[1];
}

TEST(ChanceComparison, TheUpperTailMatchesKnownChiSquareValues) {
    // The 5 % points of the chi-square table.
    EXPECT_NEAR(chiSquareUpperTail(3.841458820694124, 1), 0.05, 1e-12);
    EXPECT_NEAR(chiSquareUpperTail(11.070497693516351, 5), 0.05, 1e-12);
    EXPECT_NEAR(chiSquareUpperTail(18.307038053275146, 10), 0.05, 1e-12);
    EXPECT_NEAR(chiSquareUpperTail(6.6348966010212145, 1), 0.01, 1e-12);
    EXPECT_DOUBLE_EQ(chiSquareUpperTail(0.0, 3), 1.0);
}

TEST(ChanceComparison, TheChartSetsObservedBesideExpected) {
    const ChanceComparison c =
        compareWithChance(table({540, 300, 52, 4, 0, 0}, {60, 35, 8, 1, 0, 0}));
    const Chart chart = chanceChart(c);
    ASSERT_EQ(chart.points.size(), 12u);
    ASSERT_EQ(chart.secondBars.size(), 12u);
    EXPECT_EQ(chart.xLabels[0], "0");
    EXPECT_EQ(chart.xLabels[8], "2 + R");
    EXPECT_EQ(chart.points[8].y, 8);
    EXPECT_NEAR(chart.secondBars[8], 5.825752329636902, 1e-9);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 543); // the largest bar, the expected 542.67, rounded up
    EXPECT_FALSE(chart.pointsName.empty());
}

TEST(ChanceComparison, DecimalsAreWrittenWithAComma) {
    EXPECT_EQ(decimalText(2984.678562, 2), "2984,68");
    EXPECT_EQ(pValueText(0.18470276826553023), "0,185");
    EXPECT_EQ(pValueText(0.0004), "< 0,001");
}

} // namespace
} // namespace kav::test
