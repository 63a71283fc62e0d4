// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsTestDraws.h"
#include "base/MessageTable.h"
#include "model/TipSheet.h"
#include "stats/Statistics.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

const MessageTable messages;

// Twenty draws in weeks 1..20 with keys 0..5 only; weeks 18..20 carry 3, 7, 3.
std::vector<TestDraw> twentyDraws() {
    std::vector<TestDraw> draws;
    for (int w = 1; w <= 17; ++w)
        draws.push_back({w, {1, 2, 3, 4, 5}, w % 6});
    draws.push_back({18, {1, 2, 3, 4, 5}, 3});
    draws.push_back({19, {1, 2, 3, 4, 5}, 7});
    draws.push_back({20, {1, 2, 3, 4, 5}, 3});
    return draws;
}

TEST(KeyOverdue, CountsDrawsSinceEachKeyCame) {
    const Chart chart = keyOverdue(snapshotOf(twentyDraws()), weeks(0, 20), messages);
    EXPECT_EQ(xValues(chart), range(0, 9));
    EXPECT_EQ(yAt(chart, 3), 1);
    EXPECT_EQ(yAt(chart, 7), 2);
    EXPECT_EQ(yAt(chart, 5), 4);  // last in week 17
    EXPECT_EQ(yAt(chart, 0), 9);  // last in week 12
    EXPECT_EQ(yAt(chart, 9), 20); // never drawn in the 20 draws
    EXPECT_EQ(chart.axisMinimum, 1);
    EXPECT_EQ(chart.axisMaximum, 20);
    EXPECT_FALSE(chart.axisAutomatic);
    EXPECT_EQ(chart.caption, "Welche Sternenzahl wurde am längsten nicht gezogen?");
}

TEST(KeyFrequency, CountsEachKey) {
    const Chart chart = keyFrequency(snapshotOf(twentyDraws()), weeks(1, 20), messages);
    EXPECT_EQ(xValues(chart), range(0, 9));
    EXPECT_EQ(yValues(chart), (std::vector<int>{2, 3, 3, 5, 3, 3, 0, 1, 0, 0}));
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 5);
    EXPECT_FALSE(chart.axisAutomatic);
    EXPECT_EQ(chart.caption, "Wie oft wurden die einzelnen Sternenzahlen gezogen?");
    for (const ChartPoint& p : chart.points)
        EXPECT_FALSE(p.colour.has_value());
}

TEST(KeyStatistics, DrawOnTheStartDateCountsForTheFrequencyOnly) {
    const DrawSnapshot draws =
        snapshotOf({{5, {1, 2, 3, 4, 5}, 8}, {6, {1, 2, 3, 4, 5}, 2}, {7, {1, 2, 3, 4, 5}, 2}});
    EXPECT_EQ(yAt(keyFrequency(draws, weeks(5, 6), messages), 8), 1);
    EXPECT_EQ(yAt(keyFrequency(draws, weeks(5, 6), messages), 2), 1); // week 7 is after the end
    const Chart overdue = keyOverdue(draws, weeks(5, 6), messages);
    EXPECT_EQ(yAt(overdue, 8), 1); // one window draw, key 8 never in it
    EXPECT_EQ(yAt(overdue, 2), 1);
}

TEST(KeyStatistics, EmptyWindowShowsZeros) {
    const DrawSnapshot draws = snapshotOf(twentyDraws());
    for (const Chart& chart :
         {keyFrequency(draws, weeks(20, 1), messages), keyOverdue(draws, weeks(20, 1), messages)}) {
        EXPECT_EQ(yValues(chart), std::vector<int>(10, 0));
        EXPECT_EQ(chart.axisMinimum, 0);
        EXPECT_EQ(chart.axisMaximum, 0);
    }
}

TEST(KeyStatistics, SkipDamagedKeys) {
    DrawSnapshot draws = snapshotOf({{1, {1, 2, 3, 4, 5}, 4}});
    draws.records.push_back(DrawRecord::make(week(2), {1, 2, 3, 4, 5}, 10));
    draws.records.push_back(DrawRecord::make(week(3), {1, 2, 3, 4, 5}, 255));
    EXPECT_EQ(yValues(keyFrequency(draws, weeks(0, 3), messages)),
              (std::vector<int>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(yAt(keyOverdue(draws, weeks(0, 3), messages), 4), 1);
}

void fillRow(TipSheet& sheet, int row, const std::array<const char*, 6>& cells) {
    for (int c = 0; c < TipSheet::kColumns; ++c)
        sheet.setCell(row, c, cells[static_cast<std::size_t>(c)]);
}

TEST(TipDistribution, CountsNumberAndKeyCellsUpToTheFirstEmptyCell) {
    TipSheet sheet;
    fillRow(sheet, 0, {"1", "2", "3", "4", "5", "3"});
    fillRow(sheet, 1, {"", "20", "21", "22", "23", "0"}); // starts empty: ends the counting
    fillRow(sheet, 2, {"30", "31", "32", "33", "34", "1"});
    const Chart chart = tipDistribution(sheet, messages);
    EXPECT_EQ(xValues(chart), range(1, 54));
    std::vector<int> expected(54, 0);
    for (int x : {1, 2, 4, 5})
        expected[static_cast<std::size_t>(x - 1)] = 1;
    expected[2] = 2; // number 3 and key 3
    EXPECT_EQ(yValues(chart), expected);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 2);
    EXPECT_EQ(chart.caption, "Zahlenverteilung des Tippes");
    EXPECT_EQ(chart.points[2].colour, kRed);
    EXPECT_EQ(chart.points[52].colour, kGreen);
}

TEST(TipDistribution, KeyZeroIsCountedButHasNoBar) {
    TipSheet sheet;
    for (int row = 0; row < TipSheet::kRows; ++row)
        fillRow(sheet, row, {"10", "11", "12", "13", "14", "0"});
    const Chart chart = tipDistribution(sheet, messages);
    EXPECT_EQ(yAt(chart, 10), 12);
    EXPECT_EQ(chart.points.size(), 54U);
    EXPECT_EQ(chart.points.front().x, 1);
    EXPECT_EQ(chart.axisMaximum, 12);
}

TEST(TipDistribution, EmptySheetShowsZeros) {
    const Chart chart = tipDistribution(TipSheet{}, messages);
    EXPECT_EQ(yValues(chart), std::vector<int>(54, 0));
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 0);
}

} // namespace
} // namespace kav::test
