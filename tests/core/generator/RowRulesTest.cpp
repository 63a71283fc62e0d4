// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowRules.h"

#include "GeneratorTestSupport.h"
#include "StatisticsTestDraws.h"
#include "app/Workspace.h"
#include "model/Controls.h"
#include "support/ScriptedInteraction.h"

#include <functional>
#include <gtest/gtest.h>

namespace kav {
namespace {

using test::candidate;
using test::reference;

class RowRulesTest : public ::testing::Test {
protected:
    RowRulesTest() { test::switchOffRowRules(ws.options); }

    bool accepts(const CandidateRow& row, int sheetRow = 1, std::vector<NumberMask> earlier = {}) {
        RowRules rules(draws);
        return rules.accepts(ws.options, ws.drawWindow, row, sheetRow, earlier, references);
    }

    test::ScriptedInteraction ui;
    Workspace ws{"", ui};
    DrawSnapshot draws;
    ReferenceDraws references{reference({1, 2, 3, 4, 5}, 1), reference({6, 7, 8, 9, 10}, 2),
                              reference({11, 12, 13, 14, 15}, 3)};
};

struct RuleCase {
    const char* name;
    std::function<void(Options&)> options;
    std::array<int, 5> numbers;
    int key;
    bool accepted;
};

TEST_F(RowRulesTest, RulesOnTheRowItself) {
    const auto on = [](CheckBox box) { return [box](Options& o) { o.setChecked(box, true); }; };
    const auto minimum = [](CheckBox box, UpDown upDown, int value) {
        return [=](Options& o) {
            o.setChecked(box, true);
            o.setValue(upDown, value);
        };
    };
    const auto defaultRange = [](Options& o) {
        o.setValue(UpDown::CrossSumFrom, 50);
        o.setValue(UpDown::CrossSumTo, 200);
    };
    const RuleCase cases[] = {
        {"no triples: a run of three", on(CheckBox::NoRunsOfThree), {10, 11, 12, 30, 40}, 0, false},
        {"no triples: a run of four", on(CheckBox::NoRunsOfThree), {3, 4, 5, 6, 40}, 0, false},
        {"no triples: two pairs", on(CheckBox::NoRunsOfThree), {10, 11, 20, 30, 31}, 0, true},
        {"no triples: a pair at the end",
         on(CheckBox::NoRunsOfThree),
         {5, 20, 30, 44, 45},
         0,
         true},
        {"forced pair: none", on(CheckBox::ForcedPair), {3, 9, 15, 27, 50}, 0, false},
        {"forced pair: 27 28", on(CheckBox::ForcedPair), {3, 9, 15, 27, 28}, 0, true},
        {"cross sum 50", defaultRange, {1, 7, 10, 12, 20}, 0, true},
        {"cross sum 200", defaultRange, {30, 35, 40, 45, 50}, 0, true},
        {"cross sum 49", defaultRange, {1, 7, 10, 12, 19}, 0, false},
        {"cross sum 201", defaultRange, {30, 35, 40, 45, 51}, 0, false},
        {"primes: only the key",
         minimum(CheckBox::MinimumPrimes, UpDown::MinimumPrimes, 2),
         {4, 6, 8, 10, 12},
         3,
         false},
        {"primes: key and 2",
         minimum(CheckBox::MinimumPrimes, UpDown::MinimumPrimes, 2),
         {2, 6, 8, 10, 12},
         7,
         true},
        {"primes: 53 is none",
         minimum(CheckBox::MinimumPrimes, UpDown::MinimumPrimes, 2),
         {4, 6, 8, 10, 53},
         3,
         false},
        {"primes: key 9 is none",
         minimum(CheckBox::MinimumPrimes, UpDown::MinimumPrimes, 2),
         {2, 6, 8, 10, 12},
         9,
         false},
        {"even: two of three",
         minimum(CheckBox::MinimumEven, UpDown::MinimumEven, 3),
         {2, 4, 5, 7, 9},
         0,
         false},
        {"even: three",
         minimum(CheckBox::MinimumEven, UpDown::MinimumEven, 3),
         {2, 4, 6, 7, 9},
         0,
         true},
        {"even: 54 counts",
         minimum(CheckBox::MinimumEven, UpDown::MinimumEven, 1),
         {1, 3, 5, 7, 54},
         0,
         true},
        {"odd: 53 counts",
         minimum(CheckBox::MinimumOdd, UpDown::MinimumOdd, 1),
         {2, 4, 6, 8, 53},
         0,
         true},
        {"odd: none",
         minimum(CheckBox::MinimumOdd, UpDown::MinimumOdd, 1),
         {2, 4, 6, 8, 54},
         0,
         false},
    };
    for (const RuleCase& c : cases) {
        test::switchOffRowRules(ws.options);
        c.options(ws.options);
        EXPECT_EQ(accepts(candidate(c.numbers, c.key)), c.accepted) << c.name;
    }
}

TEST_F(RowRulesTest, EvenAndOddMinimumsOfThreeRejectEveryRow) {
    ws.options.setChecked(CheckBox::MinimumEven, true);
    ws.options.setChecked(CheckBox::MinimumOdd, true);
    ws.options.setValue(UpDown::MinimumEven, 3);
    ws.options.setValue(UpDown::MinimumOdd, 3);
    for (const auto& numbers : {std::array{2, 4, 6, 7, 9}, std::array{1, 3, 5, 8, 10},
                                std::array{2, 4, 6, 8, 10}, std::array{1, 3, 5, 7, 9}})
        EXPECT_FALSE(accepts(candidate(numbers)));
}

TEST_F(RowRulesTest, DrawLimitsCountNumbersOfTheReferenceDraws) {
    ws.options.setChecked(CheckBox::LastDrawLimit, true);
    ws.options.setValue(UpDown::LastDrawLimit, 1);
    EXPECT_FALSE(accepts(candidate({1, 2, 30, 40, 50})));
    EXPECT_TRUE(accepts(candidate({1, 20, 30, 40, 50})));
    ws.options.setValue(UpDown::LastDrawLimit,
                        0); // the pool has kept them out; the rule is skipped
    EXPECT_TRUE(accepts(candidate({1, 2, 3, 40, 50})));

    ws.options.setChecked(CheckBox::SecondLastDrawLimit, true);
    ws.options.setValue(UpDown::SecondLastDrawLimit, 1);
    EXPECT_FALSE(accepts(candidate({6, 7, 30, 40, 50})));
    ws.options.setChecked(CheckBox::ThirdLastDrawLimit, true);
    ws.options.setValue(UpDown::ThirdLastDrawLimit, 2);
    EXPECT_TRUE(accepts(candidate({11, 12, 30, 40, 50})));
    EXPECT_FALSE(accepts(candidate({11, 12, 13, 40, 50})));
    // The key number does not count for the draw limits.
    ws.options.setChecked(CheckBox::KeyCountsAsHit, true);
    EXPECT_TRUE(accepts(candidate({11, 12, 30, 40, 50}, 3)));
}

TEST_F(RowRulesTest, DamagedReferenceValuesMatchNothing) {
    references.last = reference({0, 200, 55, 3, 3}, 77);
    ws.options.setChecked(CheckBox::LastDrawLimit, true);
    ws.options.setValue(UpDown::LastDrawLimit, 1);
    EXPECT_TRUE(accepts(candidate({1, 3, 30, 40, 50})));
}

TEST_F(RowRulesTest, OverlapWithEarlierRows) {
    const NumberMask row1 = maskOf(std::array{1, 2, 3, 4, 5});
    const NumberMask row2 = maskOf(std::array{10, 20, 30, 40, 50});
    const NumberMask emptyRow = 0;
    // Defaults: pairwise, max 2, min 1.
    Options& o = ws.options;
    o.setChecked(CheckBox::MaximumOverlap, true);
    o.setChecked(CheckBox::MinimumOverlap, true);
    o.setChecked(CheckBox::PairwiseOverlap, true);
    EXPECT_FALSE(accepts(candidate({6, 7, 8, 9, 11}), 2, {row1})); // shares none
    EXPECT_FALSE(accepts(candidate({1, 2, 3, 9, 11}), 2, {row1})); // shares three
    EXPECT_TRUE(accepts(candidate({1, 2, 8, 9, 11}), 2, {row1}));  // shares two
    EXPECT_TRUE(accepts(candidate({1, 2, 8, 9, 11}), 1, {}));      // row 1 has no earlier rows
    EXPECT_FALSE(accepts(candidate({1, 10, 8, 9, 11}), 3, {row1, emptyRow})); // empty row: 0

    // Without the pairwise option the bounds apply to the largest overlap.
    o.setChecked(CheckBox::PairwiseOverlap, false);
    EXPECT_TRUE(accepts(candidate({6, 7, 8, 9, 10}), 3, {row1, row2}));    // 0 and 1
    EXPECT_FALSE(accepts(candidate({6, 7, 10, 20, 30}), 3, {row1, row2})); // 0 and 3
    EXPECT_FALSE(accepts(candidate({6, 7, 8, 9, 11}), 3, {row1, row2}));   // 0 and 0

    // The pairwise option applies both bounds even with both check boxes off.
    o.setChecked(CheckBox::MaximumOverlap, false);
    o.setChecked(CheckBox::MinimumOverlap, false);
    o.setChecked(CheckBox::PairwiseOverlap, true);
    EXPECT_FALSE(accepts(candidate({6, 7, 8, 9, 10}), 3, {row1, row2}));
    o.setChecked(CheckBox::PairwiseOverlap, false);
    EXPECT_TRUE(accepts(candidate({6, 7, 8, 9, 11}), 3, {row1, row2}));
}

TEST_F(RowRulesTest, ALockedRowHoldingANumberTwiceSharesItOnce) {
    ws.options.setChecked(CheckBox::PairwiseOverlap, true); // max 2, min 1
    const NumberMask locked = maskOf(std::array{7, 7, 7, 8, 9});
    EXPECT_TRUE(accepts(candidate({7, 8, 20, 30, 40}), 2, {locked}));
}

class HistoryRulesTest : public RowRulesTest {
protected:
    HistoryRulesTest() {
        draws = test::snapshotOf({{1, {5, 10, 15, 20, 25}, 4}, // on the start date
                                  {2, {21, 22, 23, 24, 25}, 1},
                                  {30, {10, 20, 30, 40, 50}, 7},
                                  {40, {11, 21, 31, 41, 51}, 2},   // the end date
                                  {41, {12, 22, 32, 42, 52}, 3}}); // after it
        ws.drawWindow.startPicker.set(static_cast<DayCount>(test::week(1)));
        ws.drawWindow.endPicker.set(static_cast<DayCount>(test::week(40)));
    }
};

TEST_F(HistoryRulesTest, DatabaseRuleTakesTheWindowBetweenTheTwoPickers) {
    ws.options.setChecked(CheckBox::DatabaseRule, true);
    ws.options.setValue(UpDown::DatabaseMatches, 5);
    EXPECT_FALSE(accepts(candidate({21, 22, 23, 24, 25})));
    EXPECT_FALSE(accepts(candidate({11, 21, 31, 41, 51}))); // on the end date
    EXPECT_TRUE(accepts(candidate({5, 10, 15, 20, 25})));   // on the start date: outside
    EXPECT_TRUE(accepts(candidate({12, 22, 32, 42, 52})));  // after the end date
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 24, 26})));

    ws.options.setValue(UpDown::DatabaseMatches, 4);
    EXPECT_FALSE(accepts(candidate({21, 22, 23, 24, 26})));
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 27, 26})));
}

TEST_F(HistoryRulesTest, AnEqualKeyCountsAsAMatchWhenSwitchedOn) {
    ws.options.setChecked(CheckBox::DatabaseRule, true);
    ws.options.setValue(UpDown::DatabaseMatches, 5);
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 24, 26}, 1)));
    ws.options.setChecked(CheckBox::KeyCountsAsHit, true);
    EXPECT_FALSE(accepts(candidate({21, 22, 23, 24, 26}, 1)));
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 24, 26}, 2)));
    // X = 6 with the key: five numbers and the key.
    ws.options.setValue(UpDown::DatabaseMatches, 6);
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 24, 25}, 2)));
    EXPECT_FALSE(accepts(candidate({21, 22, 23, 24, 25}, 1)));
    // The late-run X of 6 without the key can never be reached.
    ws.options.setChecked(CheckBox::KeyCountsAsHit, false);
    ws.options.forceValue(UpDown::DatabaseMatches, 6);
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 24, 25}, 1)));
}

TEST_F(HistoryRulesTest, RecentDrawsRuleCountsFourteenDaysPerDraw) {
    ws.options.setChecked(CheckBox::RecentDrawsRule, true);
    ws.options.setValue(UpDown::RecentDrawsMatches, 3);
    ws.options.setValue(UpDown::RecentDrawsCount,
                        10); // 140 days = 20 weeks before the end date, exclusive
    EXPECT_FALSE(accepts(candidate({10, 20, 30, 1, 2})));  // week 30: inside
    EXPECT_TRUE(accepts(candidate({21, 22, 23, 40, 50}))); // 2 with week 30; week 2 is out
    EXPECT_FALSE(accepts(candidate({11, 21, 31, 1, 2})));  // week 40: the end date
    ws.options.setValue(UpDown::RecentDrawsCount, 5); // 70 days: week 30 lies exactly on the bound
    EXPECT_TRUE(accepts(candidate({10, 20, 30, 1, 2})));
    ws.options.setValue(UpDown::RecentDrawsCount, 6);
    EXPECT_FALSE(accepts(candidate({10, 20, 30, 1, 2})));
}

TEST_F(HistoryRulesTest, PickerChangesDuringARunMoveTheWindow) {
    ws.options.setChecked(CheckBox::DatabaseRule, true);
    ws.options.setValue(UpDown::DatabaseMatches, 5);
    RowRules rules(draws);
    const CandidateRow row = candidate({10, 20, 30, 40, 50});
    EXPECT_FALSE(rules.accepts(ws.options, ws.drawWindow, row, 1, {}, references));
    ws.drawWindow.endPicker.set(static_cast<DayCount>(test::week(29)));
    EXPECT_TRUE(rules.accepts(ws.options, ws.drawWindow, row, 1, {}, references));
}

TEST_F(HistoryRulesTest, DamagedRecordsAreSkipped) {
    draws.records.push_back(DrawRecord::make(test::week(35), {21, 22, 27, 28, 60}, 1));
    ws.options.setChecked(CheckBox::DatabaseRule, true);
    ws.options.setValue(UpDown::DatabaseMatches, 4);
    EXPECT_TRUE(accepts(candidate({21, 22, 27, 28, 9})));
}

} // namespace
} // namespace kav
