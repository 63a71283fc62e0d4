// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/KeyChoice.h"

#include "GeneratorTestSupport.h"
#include "StatisticsTestDraws.h"
#include "app/Workspace.h"
#include "generator/KeyRules.h"
#include "generator/ReferenceDraws.h"
#include "model/Controls.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <set>

namespace kav {
namespace {

using test::reference;

class KeyChoiceTest : public ::testing::Test {
protected:
    KeyChoiceTest() {
        ws.drawWindow.startPicker.set(kMinimumPickerDate);
        ws.drawWindow.endPicker.set(static_cast<DayCount>(test::week(30)));
    }

    KeyChoice keyChoice() {
        return KeyChoice(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view, draws);
    }

    std::set<int> keysOver(int attempts) {
        KeyChoice choice = keyChoice();
        std::set<int> keys;
        for (int i = 0; i < attempts; ++i)
            keys.insert(choice.choose(references));
        return keys;
    }

    int chooseOnce() { return keyChoice().choose(references); }

    test::ScriptedInteraction ui;
    Workspace ws{"", ui};
    // Key counts: 3, 7 and 8 once, every other key two or three times; the last three
    // draws carry 9, 6 and 5.
    DrawSnapshot draws = test::snapshotOf({
        {1, {1, 2, 3, 4, 5}, 0},  {2, {1, 2, 3, 4, 5}, 1},  {3, {1, 2, 3, 4, 5}, 2},
        {4, {1, 2, 3, 4, 5}, 3},  {5, {1, 2, 3, 4, 5}, 4},  {6, {1, 2, 3, 4, 5}, 5},
        {7, {1, 2, 3, 4, 5}, 6},  {8, {1, 2, 3, 4, 5}, 7},  {9, {1, 2, 3, 4, 5}, 8},
        {10, {1, 2, 3, 4, 5}, 9}, {11, {1, 2, 3, 4, 5}, 0}, {12, {1, 2, 3, 4, 5}, 1},
        {13, {1, 2, 3, 4, 5}, 2}, {14, {1, 2, 3, 4, 5}, 4}, {15, {1, 2, 3, 4, 5}, 5},
        {16, {1, 2, 3, 4, 5}, 6}, {17, {1, 2, 3, 4, 5}, 9}, {18, {1, 2, 3, 4, 5}, 0},
        {28, {1, 2, 3, 4, 5}, 9}, {29, {1, 2, 3, 4, 5}, 6}, {30, {1, 2, 3, 4, 5}, 5},
    });
    ReferenceDraws references{reference({1, 2, 3, 4, 5}, 5), reference({1, 2, 3, 4, 5}, 6),
                              reference({1, 2, 3, 4, 5}, 9)};
};

TEST(KeyWithExtremeCount, TiesGoToTheHigherKey) {
    const std::vector<ChartPoint> points{{0, 4, {}}, {1, 2, {}}, {2, 9, {}},
                                         {3, 2, {}}, {4, 9, {}}, {5, 3, {}}};
    EXPECT_EQ(keyWithExtremeCount(points, true), 3);
    EXPECT_EQ(keyWithExtremeCount(points, false), 4);
    EXPECT_EQ(keyWithExtremeCount({}, true), 0);
}

TEST_F(KeyChoiceTest, RarestKeyTakesTheHigherOfTwoEqualCounts) {
    ws.options.setKeyModeItem(1);
    EXPECT_EQ(chooseOnce(), 8);
    EXPECT_EQ(ws.view.chart.points.size(), 10u); // the chart shows the key frequency
}

TEST_F(KeyChoiceTest, LongestOutstandingKey) {
    // The last draws carry 9, 6, 5; key 3 was last seen in week 4 and 7 in week 8.
    ws.options.setKeyModeItem(2);
    EXPECT_EQ(chooseOnce(), 3);
}

TEST_F(KeyChoiceTest, AnExcludedStatisticKeyGivesWayToTheNextKeyUpward) {
    ws.options.setKeyModeItem(2);
    ws.options.setChecked(CheckBox::NoRecentKeys, true);
    references.last.key = 3;
    EXPECT_EQ(chooseOnce(), 4);
    references.secondLast.key = 4;
    EXPECT_EQ(chooseOnce(), 4); // UpDown19 at 1: only the last draw counts
    ws.options.setValue(UpDown::RecentKeysCovered, 2);
    EXPECT_EQ(chooseOnce(), 5);

    ws.options.setKeyModeItem(1); // rarest is 8
    references = {reference({}, 8), reference({}, 9), reference({}, 0)};
    ws.options.setValue(UpDown::RecentKeysCovered, 3);
    EXPECT_EQ(chooseOnce(), 1); // 8, 9 and 0 excluded: wraps past 9
}

TEST_F(KeyChoiceTest, RandomKeysCoverAllTenWithoutTheExclusion) {
    ws.options.setKeyModeItem(0);
    ws.run.random.setSeed(7);
    EXPECT_EQ(keysOver(500).size(), 10u);
}

TEST_F(KeyChoiceTest, RandomKeysAvoidTheKeysOfTheCoveredDraws) {
    ws.options.setKeyModeItem(0);
    ws.options.setChecked(CheckBox::NoRecentKeys, true);
    ws.options.setValue(UpDown::RecentKeysCovered, 2);
    ws.run.random.setSeed(7);
    const std::set<int> keys = keysOver(500);
    EXPECT_FALSE(keys.contains(5));
    EXPECT_FALSE(keys.contains(6));
    EXPECT_TRUE(keys.contains(9)); // the third-last draw's key is not covered
    EXPECT_EQ(keys.size(), 8u);
}

TEST_F(KeyChoiceTest, TheStatisticRunsOncePerWindow) {
    ws.options.setKeyModeItem(2);
    KeyChoice choice = keyChoice();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(choice.choose(references), 3);
    EXPECT_EQ(ui.busyChanges.size(), 2u); // one statistic: hourglass on and off

    // Moving the end date back changes the answer: in weeks 1..3 only 0, 1 and 2 were
    // drawn, and 9 is the highest of the keys never drawn.
    ws.drawWindow.endPicker.set(static_cast<DayCount>(test::week(3)));
    EXPECT_EQ(choice.choose(references), 9);
    EXPECT_EQ(ui.busyChanges.size(), 4u);
}

} // namespace
} // namespace kav
