// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsTestDraws.h"
#include "app/Workspace.h"
#include "base/MessageTable.h"
#include "commands/SheetEvaluation.h"
#include "model/Random.h"
#include "stats/GroupStatistics.h"
#include "stats/Statistics.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

const MessageTable messages;

struct GroupCase {
    const char* name;
    const RunShape* shape;
    std::vector<int> starts; // starting numbers counted for the draw
    const char* caption;
};

void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.name;
}

// One draw per case, in a window that holds only it.
class GroupStatisticOfOneDraw : public ::testing::TestWithParam<std::tuple<TestDraw, GroupCase>> {};

// Test names say which statistic a case checks ("pairs", "triples", "quads").
std::string caseName(const ::testing::TestParamInfo<std::tuple<TestDraw, GroupCase>>& info) {
    return std::get<1>(info.param).name;
}

TEST_P(GroupStatisticOfOneDraw, CountsEveryCompleteRun) {
    const auto& [draw, c] = GetParam();
    const Chart chart = groupStatistic(snapshotOf({draw}), weeks(0, 100), messages, *c.shape);
    EXPECT_EQ(xValues(chart), range(1, c.shape->pointCount));
    std::vector<int> expected(static_cast<std::size_t>(c.shape->pointCount), 0);
    for (int start : c.starts)
        expected[static_cast<std::size_t>(start - 1)] = 1;
    EXPECT_EQ(yValues(chart), expected);
    EXPECT_EQ(chart.caption, c.caption);
    for (const ChartPoint& p : chart.points)
        EXPECT_FALSE(p.colour.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    OneToFive, GroupStatisticOfOneDraw,
    ::testing::Combine(
        ::testing::Values(TestDraw{1, {1, 2, 3, 4, 5}}),
        ::testing::Values(
            GroupCase{"pairs", &kPairRun, {1, 2, 3, 4}, "Ziehungen : 1        Paare gefunden :  4"},
            GroupCase{
                "triples", &kTripleRun, {1, 2, 3}, "Ziehungen : 1        Dreier gefunden :  3"},
            GroupCase{"quads", &kQuadRun, {1, 2}, "Ziehungen : 1        Vierer gefunden!2"})),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    TopNumbers, GroupStatisticOfOneDraw,
    ::testing::Combine(
        ::testing::Values(TestDraw{1, {51, 52, 53, 54, 7}}),
        ::testing::Values(
            GroupCase{"pairs", &kPairRun, {51, 52, 53}, "Ziehungen : 1        Paare gefunden :  3"},
            GroupCase{
                "triples", &kTripleRun, {51, 52}, "Ziehungen : 1        Dreier gefunden :  2"},
            GroupCase{"quads", &kQuadRun, {51}, "Ziehungen : 1        Vierer gefunden!1"})),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ThreeToSixUnsorted, GroupStatisticOfOneDraw,
    ::testing::Combine(
        ::testing::Values(TestDraw{1, {6, 40, 4, 3, 5}}),
        ::testing::Values(
            GroupCase{"pairs", &kPairRun, {3, 4, 5}, "Ziehungen : 1        Paare gefunden :  3"},
            GroupCase{"triples", &kTripleRun, {3, 4}, "Ziehungen : 1        Dreier gefunden :  2"},
            GroupCase{"quads", &kQuadRun, {3}, "Ziehungen : 1        Vierer gefunden!1"})),
    caseName);

// A repeated number scores once per repetition in the row comparison: 3 3 4 gives the
// test row "3 4" three hits (no pair) and "2 3" two hits (a pair, though 2 was not drawn);
// the triples "2 3 4" and "3 4 5" reach three hits.
INSTANTIATE_TEST_SUITE_P(
    RepeatedNumber, GroupStatisticOfOneDraw,
    ::testing::Combine(
        ::testing::Values(TestDraw{1, {3, 3, 4, 20, 30}}),
        ::testing::Values(
            GroupCase{"pairs", &kPairRun, {2}, "Ziehungen : 1        Paare gefunden :  1"},
            GroupCase{
                "triples", &kTripleRun, {2, 3}, "Ziehungen : 1        Dreier gefunden :  2"})),
    caseName);

// Four repeated top numbers complete the quad test row 52..55, which a sound draw never does.
INSTANTIATE_TEST_SUITE_P(RepeatedTopNumber, GroupStatisticOfOneDraw,
                         ::testing::Combine(::testing::Values(TestDraw{1, {52, 52, 53, 54, 1}}),
                                            ::testing::Values(GroupCase{
                                                "quads",
                                                &kQuadRun,
                                                {51, 52},
                                                "Ziehungen : 1        Vierer gefunden!2"})),
                         caseName);

TEST(GroupStatistics, WindowExcludesTheStartDateAndIncludesTheEndDate) {
    const DrawSnapshot draws = snapshotOf({
        {10, {1, 2, 30, 40, 50}}, // on the start date
        {11, {5, 6, 30, 40, 50}},
        {12, {5, 6, 31, 41, 51}}, // on the end date
        {13, {8, 9, 30, 40, 50}}, // after the end
    });
    const Chart chart = pairStatistic(draws, weeks(10, 12), messages);
    EXPECT_EQ(yAt(chart, 1), 0);
    EXPECT_EQ(yAt(chart, 5), 2);
    EXPECT_EQ(yAt(chart, 8), 0);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 2);
    EXPECT_FALSE(chart.axisAutomatic);
    EXPECT_EQ(chart.caption, "Ziehungen : 2        Paare gefunden :  2");
}

TEST(GroupStatistics, EmptyWindow) {
    const DrawSnapshot draws = snapshotOf({{10, {1, 2, 3, 4, 5}}});
    const Chart pairs = pairStatistic(draws, weeks(11, 9), messages);
    EXPECT_EQ(yValues(pairs), std::vector<int>(53, 0));
    EXPECT_EQ(pairs.caption, "Ziehungen : 0        Paare gefunden :  0");
    EXPECT_EQ(tripleStatistic(draws, weeks(11, 9), messages).points.size(), 52U);
    const Chart quads = quadStatistic(draws, weeks(11, 9), messages);
    EXPECT_EQ(yValues(quads), std::vector<int>(54, 0));
    EXPECT_TRUE(quads.axisAutomatic);
    EXPECT_EQ(quads.axisMinimum, 0);
    EXPECT_EQ(quads.axisMaximum, 0);
}

TEST(GroupStatistics, QuadsUseAnAutomaticAxisFromZero) {
    const DrawSnapshot draws = snapshotOf({{1, {1, 2, 3, 4, 9}}, {2, {1, 2, 3, 4, 9}}});
    const Chart chart = quadStatistic(draws, weeks(0, 2), messages);
    EXPECT_TRUE(chart.axisAutomatic);
    EXPECT_EQ(chart.axisMinimum, 0);
    EXPECT_EQ(chart.axisMaximum, 2);
}

// The counts must be exactly those of comparing every test row with every window draw
// through `Zettelcheck`, for sound draws and for draws that repeat numbers.
TEST(GroupStatistics, EqualTheRowComparisonOnRandomDraws) {
    Random random(20240611);
    DrawSnapshot draws;
    for (int i = 0; i < 400; ++i) {
        std::array<int, 5> numbers{};
        // Every fourth draw picks from a narrow band so that repeats and runs are common.
        const std::uint32_t band = i % 4 == 0 ? 6 : 54;
        const int base = i % 4 == 0 ? static_cast<int>(random.next(49)) : 0;
        for (int& n : numbers)
            n = base + 1 + static_cast<int>(random.next(band));
        draws.records.push_back(
            DrawRecord::make(week(i), numbers, static_cast<int>(random.next(10))));
    }
    const AnalysisWindow window = weeks(3, 390);

    ScriptedInteraction ui;
    Workspace ws(".", ui);
    for (const RunShape* shape : {&kPairRun, &kTripleRun, &kQuadRun}) {
        std::vector<int> expected(static_cast<std::size_t>(shape->pointCount), 0);
        for (const DrawRecord& draw : draws.records) {
            if (!(draw.date > window.start && draw.date <= window.end))
                continue;
            ws.drawWindow.current.takeSlots(draw);
            for (int start = 1; start <= shape->lastStart; ++start) {
                const std::array<std::string, 5> row = groupTestRow(*shape, start);
                Zettelcheck(ws.ticket, ws.drawWindow.current,
                            {row[0], row[1], row[2], row[3], row[4]}, "0");
                if (ws.ticket.comparison.hitCount == shape->length)
                    ++expected[static_cast<std::size_t>(start - 1)];
            }
        }
        EXPECT_EQ(yValues(groupStatistic(draws, window, messages, *shape)), expected)
            << "run length " << shape->length;
    }
}

} // namespace
} // namespace kav::test
