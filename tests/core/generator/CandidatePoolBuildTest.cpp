// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/CandidatePoolBuild.h"

#include "GeneratorTestSupport.h"
#include "StatisticsTestDraws.h"
#include "app/Workspace.h"
#include "model/Controls.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

using test::reference;

class PoolBuildTest : public ::testing::Test {
protected:
    PoolBuildTest() {
        ws.drawWindow.startPicker.set(kMinimumPickerDate);
        ws.drawWindow.endPicker.set(static_cast<DayCount>(test::week(3)));
    }

    CandidatePool build() {
        return buildCandidatePool(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view,
                                  draws, references);
    }

    void only(std::initializer_list<CheckBox> boxes) {
        test::switchOffPreferences(ws.options);
        for (CheckBox box :
             {CheckBox::LastDrawLimit, CheckBox::SecondLastDrawLimit, CheckBox::ThirdLastDrawLimit})
            ws.options.setChecked(box, false);
        for (CheckBox box : boxes)
            ws.options.setChecked(box, true);
    }

    test::ScriptedInteraction ui;
    Workspace ws{"", ui};
    // Number counts: 1, 2, 3 three times; 4 twice; 5 to 8 once; the rest never.
    // Overdue: 1, 2, 3, 7, 8 at 1; 4 and 6 at 2; 5 at 3; the rest at 4.
    DrawSnapshot draws = test::snapshotOf(
        {{1, {1, 2, 3, 4, 5}, 1}, {2, {1, 2, 3, 4, 6}, 2}, {3, {1, 2, 3, 7, 8}, 3}});
    ReferenceDraws references{reference({1, 2, 3, 7, 8}, 3), reference({1, 2, 3, 4, 6}, 2),
                              reference({1, 2, 3, 4, 5}, 1)};
};

TEST_F(PoolBuildTest, DefaultOptions) {
    // Rare numbers at 20 % (0 <= count <= 1, half band: count 0), overdue at 30 % (3 <= count
    // <= 4, half band: 4), every number once, the last draw's numbers removed.
    const CandidatePool pool = build();
    const std::array<int, 55> w = pool.weights();
    for (int n : {1, 2, 3, 7, 8})
        EXPECT_EQ(w[static_cast<std::size_t>(n)], 0) << n;
    EXPECT_EQ(w[4], 1);
    EXPECT_EQ(w[5], 5); // two rare, two overdue, one
    EXPECT_EQ(w[6], 3); // two rare, one
    for (int n = 9; n <= 54; ++n)
        EXPECT_EQ(w[static_cast<std::size_t>(n)], 7) << n;
    EXPECT_EQ(pool.size(), 1u + 5u + 3u + 46u * 7u);
    // Each number's two entries of a band come together, numbers ascending: 5 5 6 6 7 7 8 8
    // 9 9 ...; the removed 7s and 8s take the last entries of the pool (54, 53, 52, 51).
    const std::vector<int> head(pool.entries().begin(), pool.entries().begin() + 10);
    EXPECT_EQ(head, (std::vector<int>{5, 5, 6, 6, 54, 53, 52, 51, 9, 9}));
}

TEST_F(PoolBuildTest, EqualCountsPutEveryNumberInEveryNumberBand) {
    ws.drawWindow.endPicker.set(kMinimumPickerDate); // no draw in the window: all counts equal
    only({CheckBox::FrequentNumbers, CheckBox::OverdueNumbers, CheckBox::RareNumbers});
    const std::array<int, 55> w = build().weights();
    for (int n = 1; n <= 54; ++n)
        EXPECT_EQ(w[static_cast<std::size_t>(n)], 3 + 3 + 3 + 1) << n;
    EXPECT_EQ(build().size(), 540u); // beyond the 501 entries of old: the pool grows
}

TEST_F(PoolBuildTest, GroupBandsAppendWholeRunsAndSkipGroupsNeverDrawn) {
    draws = test::snapshotOf({{1, {1, 2, 3, 4, 5}, 1},
                              {2, {1, 2, 3, 4, 5}, 1},
                              {3, {1, 2, 3, 4, 5}, 1},
                              {3, {10, 11, 20, 30, 40}, 1}});
    // Pairs 1..4 three times, 10 once, the rest never: frequent 2 < count <= 3, rare
    // 0 < count <= 1.
    only({CheckBox::FrequentPairs, CheckBox::RarePairs, CheckBox::PreferredNumbersOnly});
    EXPECT_EQ(build().entries(), (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 5, 10, 11}));
    // Triples 1..3 three times: frequent band 2 < count <= 3; the rare band (0 < count
    // <= 1) is empty.
    only({CheckBox::FrequentTriples, CheckBox::RareTriples, CheckBox::PreferredNumbersOnly});
    EXPECT_EQ(build().entries(), (std::vector<int>{1, 2, 3, 2, 3, 4, 3, 4, 5}));
}

TEST_F(PoolBuildTest, OnlyPreferredNumbersWithoutPreferencesLeaveThePoolEmpty) {
    only({CheckBox::PreferredNumbersOnly});
    EXPECT_TRUE(build().empty());
}

TEST_F(PoolBuildTest, DateNumbersOptions) {
    only({CheckBox::FewerDateNumbers});
    CandidatePool pool = build();
    EXPECT_EQ(pool.distinctNumbers(), 23);
    EXPECT_EQ(pool.weights()[31], 0);
    EXPECT_EQ(pool.weights()[32], 1);

    only({CheckBox::AvoidMonthNumbers});
    pool = build();
    EXPECT_EQ(pool.size(), 42u);
    EXPECT_EQ(pool.weights()[12], 0);
    EXPECT_EQ(pool.weights()[13], 1);
}

TEST_F(PoolBuildTest, DrawLimitsOfZeroRemoveThatDrawsNumbers) {
    only({CheckBox::SecondLastDrawLimit, CheckBox::ThirdLastDrawLimit});
    ws.options.setValue(UpDown::SecondLastDrawLimit, 0);
    ws.options.setValue(UpDown::ThirdLastDrawLimit, 1);
    const std::array<int, 55> w = build().weights();
    for (int n : {1, 2, 3, 4, 6})
        EXPECT_EQ(w[static_cast<std::size_t>(n)], 0) << n;
    EXPECT_EQ(w[5], 1); // the third-last draw's limit is 1: a row rule, not an exclusion
}

TEST_F(PoolBuildTest, NeighboursOfTheLastDraw) {
    references.last = reference({1, 17, 19, 40, 54}, 3);
    only({CheckBox::NeighboursOfLastDraw});
    const std::array<int, 55> w = build().weights();
    EXPECT_EQ(w[18], 1 + 8); // neighbour of 17 and of 19
    EXPECT_EQ(w[2], 1 + 4);
    EXPECT_EQ(w[53], 1 + 4);
    EXPECT_EQ(w[1], 1);
    EXPECT_EQ(w[54], 1);
    EXPECT_EQ(w[17], 1);

    references.last = reference({0, 60, 255, 20, 30}, 3); // a damaged or missing draw
    const CandidatePool pool = build();
    for (int n : pool.entries())
        EXPECT_TRUE(n >= 1 && n <= 54) << n;
    EXPECT_EQ(pool.weights()[1], 1);
}

TEST_F(PoolBuildTest, TheLastBandPassStaysInTheStatusBar) {
    struct Case {
        std::initializer_list<CheckBox> boxes;
        const char* status;
    };
    // Frequent numbers at 30 %: counts 0..3, half band Nearest(3 - 0.45) = 3 after 1..4
    // got two entries each. Rare quads: quad 1 twice, quad 2 once, so 0 < count <= 1, one
    // blank before "Max:". Overdue: the half band after 5 and 9..54 got two entries each.
    for (const Case& c : {Case{{CheckBox::FrequentNumbers}, "Min: 3  Max: 3  8"},
                          Case{{CheckBox::RareQuads}, "Min: 0 Max: 1  0"},
                          Case{{CheckBox::OverdueNumbers}, "Min: 4  Max: 4  94"}}) {
        only(c.boxes);
        build();
        EXPECT_EQ(ws.view.status.panel1, c.status);
    }
}

} // namespace
} // namespace kav
