// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsTestDraws.h"
#include "base/MessageTable.h"
#include "base/NearestInteger.h"
#include "stats/Statistics.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

const MessageTable messages;

// Draws before, on, inside, at the end of and after the window weeks 10..20.
const std::vector<TestDraw> kEdges{
    {9, {1, 2, 3, 4, 5}},      // before the start
    {10, {1, 6, 7, 8, 9}},     // on the start date
    {15, {1, 6, 10, 11, 12}},  // inside
    {20, {1, 13, 14, 15, 16}}, // on the end date
    {21, {1, 17, 18, 19, 20}}, // after the end
};

TEST(NumberDistribution, CountsFromTheStartDateToTheEndDate) {
    const Chart chart = numberDistribution(snapshotOf(kEdges), weeks(10, 20), messages);
    EXPECT_EQ(xValues(chart), range(1, 54));
    EXPECT_EQ(yAt(chart, 1), 3);
    EXPECT_EQ(yAt(chart, 6), 2);
    EXPECT_EQ(yAt(chart, 7), 1);  // on the start date
    EXPECT_EQ(yAt(chart, 13), 1); // on the end date
    EXPECT_EQ(yAt(chart, 2), 0);  // before the start
    EXPECT_EQ(yAt(chart, 17), 0); // after the end
    EXPECT_FALSE(chart.axisAutomatic);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 3);
    // Sums 31, 40 and 59: average 43,33 -> 43.
    EXPECT_EQ(chart.caption, "Zahlenverteilung     Ziehungen : 3    Quersumme: 43");
}

TEST(NumberDistribution, ColoursThePrimesUpTo47Red) {
    const Chart chart = numberDistribution(snapshotOf(kEdges), weeks(10, 20), messages);
    const std::vector<int> red{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    for (const ChartPoint& p : chart.points) {
        const bool isRed = std::find(red.begin(), red.end(), p.x) != red.end();
        EXPECT_EQ(p.colour, isRed ? kRed : kGreen) << p.x;
    }
    EXPECT_EQ(chart.points[52].colour, kGreen); // 53 is a prime but stays green
}

TEST(NumberDistribution, EmptyWindowShowsZerosAndAverageZero) {
    const Chart chart = numberDistribution(snapshotOf(kEdges), weeks(20, 10), messages);
    EXPECT_EQ(yValues(chart), std::vector<int>(54, 0));
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 0);
    EXPECT_EQ(chart.caption, "Zahlenverteilung     Ziehungen : 0    Quersumme: 0");
}

TEST(OverdueNumbers, CountsDrawsSinceEachNumberCame) {
    const std::vector<TestDraw> draws{
        {10, {40, 41, 42, 43, 44}}, // on the start date: not in the window
        {11, {1, 2, 3, 4, 5}},      // first window draw
        {12, {1, 6, 7, 8, 9}},      {13, {6, 10, 11, 12, 13}}, // last window draw
        {14, {14, 15, 16, 17, 18}},                            // after the end
    };
    const Chart chart = overdueNumbers(snapshotOf(draws), weeks(10, 13), messages);
    EXPECT_EQ(xValues(chart), range(1, 54));
    EXPECT_EQ(yAt(chart, 6), 1);  // in the last draw
    EXPECT_EQ(yAt(chart, 1), 2);  // in the draw before the last
    EXPECT_EQ(yAt(chart, 2), 3);  // only in the first of three draws
    EXPECT_EQ(yAt(chart, 40), 4); // only on the start date: never in the window
    EXPECT_EQ(yAt(chart, 14), 4); // only after the end
    EXPECT_EQ(chart.axisMinimum, 1);
    EXPECT_EQ(chart.axisMaximum, 4);
    EXPECT_EQ(chart.points[52].colour, kGreen);
    EXPECT_EQ(chart.points[46].colour, kRed);
    EXPECT_EQ(chart.caption,
              "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?");
}

TEST(OverdueNumbers, EmptyWindowShowsOnes) {
    const Chart chart = overdueNumbers(snapshotOf(kEdges), weeks(20, 10), messages);
    EXPECT_EQ(yValues(chart), std::vector<int>(54, 1));
    EXPECT_EQ(chart.axisMinimum, 1);
    EXPECT_EQ(chart.axisMaximum, 1);
}

TEST(CrossSums, OnePointPerSumFromTheSmallestToTheLargest) {
    const std::vector<TestDraw> draws{
        {10, {1, 2, 3, 4, 5}},      // on the start date: not counted
        {11, {10, 20, 21, 22, 25}}, // 98
        {12, {10, 20, 21, 22, 25}}, // 98
        {13, {30, 31, 40, 44, 45}}, // 190
        {14, {20, 25, 30, 35, 40}}, // 150, on the end date
        {15, {50, 51, 52, 53, 54}}, // after the end
    };
    const Chart chart = crossSums(snapshotOf(draws), weeks(10, 14), messages);
    ASSERT_EQ(chart.points.size(), 93U);
    EXPECT_EQ(xValues(chart), range(98, 190));
    EXPECT_EQ(yAt(chart, 98), 2);
    EXPECT_EQ(yAt(chart, 150), 1);
    EXPECT_EQ(yAt(chart, 190), 1);
    EXPECT_EQ(yAt(chart, 99), 0);
    for (const ChartPoint& p : chart.points)
        EXPECT_FALSE(p.colour.has_value());
    EXPECT_TRUE(chart.axisAutomatic);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 2);
    // (98 + 98 + 190 + 150) / 4 = 134
    EXPECT_EQ(chart.caption, "Quersummenverteilung    Ziehungen : 4     Quersumme: 134");
}

TEST(CrossSums, EmptyWindowAddsNoPointAndAverageZero) {
    const Chart chart = crossSums(snapshotOf(kEdges), weeks(20, 10), messages);
    EXPECT_TRUE(chart.points.empty());
    EXPECT_TRUE(chart.axisAutomatic);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 0);
    EXPECT_EQ(chart.caption, "Quersummenverteilung    Ziehungen : 0     Quersumme: 0");
}

TEST(CrossSums, RepeatedNumbersBeyondTheLargestSoundSumDoNotOverflow) {
    // A damaged but in-range record may repeat a number: 5 x 54 = 270.
    const Chart chart = crossSums(snapshotOf({{11, {54, 54, 54, 54, 54}}, {12, {1, 2, 3, 4, 5}}}),
                                  weeks(10, 12), messages);
    ASSERT_FALSE(chart.points.empty());
    EXPECT_EQ(chart.points.front().x, 15);
    EXPECT_EQ(chart.points.back().x, 270);
    EXPECT_EQ(chart.points.back().y, 1);
}

TEST(NumberStatistics, SkipDamagedRecords) {
    DrawSnapshot draws = snapshotOf({{11, {1, 2, 3, 4, 5}}});
    draws.records.push_back(DrawRecord::make(week(12), {0, 2, 3, 4, 5}, 1));   // number 0
    draws.records.push_back(DrawRecord::make(week(12), {1, 2, 3, 4, 255}, 1)); // number 255
    draws.records.push_back(DrawRecord::make(week(13), {1, 2, 3, 4, 6}, 200)); // key 200
    const AnalysisWindow window = weeks(10, 13);
    EXPECT_EQ(yAt(numberDistribution(draws, window, messages), 1), 1);
    EXPECT_EQ(yAt(overdueNumbers(draws, window, messages), 6), 2);
    EXPECT_EQ(crossSums(draws, window, messages).points.size(), 1U);
}

TEST(RoundedAverage, RoundsExactHalvesToEven) {
    struct Case {
        std::int64_t total;
        std::int64_t count;
        std::int64_t expected;
    };
    const Case cases[] = {
        {41700, 300, 139}, // the plain case
        {279, 2, 140},     // 139.5 -> 140
        {277, 2, 138},     // 138.5 -> 138
        {21, 2, 10},       // 10.5 -> 10
        {1051, 100, 11},   // 10.51 -> 11
        {1049, 100, 10},   // 10.49 -> 10
        {0, 0, 0},         // no draw at all
        {-5, 2, -2},       // -2.5 -> -2
        {-7, 2, -4},       // -3.5 -> -4
    };
    for (const Case& c : cases)
        EXPECT_EQ(nearestHalfEven(c.total, c.count), c.expected) << c.total << "/" << c.count;
}

} // namespace
} // namespace kav::test
