// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/HistoryIndex.h"

#include "StatisticsTestDraws.h"
#include "draws/DrawFile.h"
#include "model/Random.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

// The rule as written: scan the window and count the matches of every valid draw.
bool scanReaches(const DrawSnapshot& draws, double after, double upTo, NumberMask row, int key,
                 int threshold, bool keyCounts) {
    for (const DrawRecord& r : draws.records) {
        if (!r.isValid() || r.date <= after || r.date > upTo)
            continue;
        int matches = 0;
        for (int n = 1; n <= 54; ++n) {
            bool inDraw = false;
            for (int i = 0; i < 5; ++i)
                inDraw = inDraw || r.number(i) == n;
            if (inDraw && (row & maskOfNumber(n)) != 0)
                ++matches;
        }
        if (keyCounts && r.key() == key)
            ++matches;
        if (matches >= threshold)
            return true;
    }
    return false;
}

NumberMask randomRow(Random& random) {
    NumberMask mask = 0;
    while (std::popcount(mask) < 5)
        mask |= maskOfNumber(static_cast<int>(random.next(54)) + 1);
    return mask;
}

TEST(HistoryIndex, AnswersLikeAScanOfTheWindow) {
    // Numbers from a narrow range so that rows share many numbers with the draws; some
    // draws repeat a number, a few are damaged, and the dates are not in order.
    Random random(12345);
    DrawSnapshot draws;
    for (int i = 0; i < 300; ++i) {
        std::array<int, 5> numbers{};
        for (int& n : numbers)
            n = static_cast<int>(random.next(14)) + 1;
        if (i % 37 == 0)
            numbers[2] = 70;
        const int week = static_cast<int>(random.next(200));
        draws.records.push_back(
            DrawRecord::make(test::week(week), numbers, static_cast<int>(random.next(10))));
    }
    HistoryIndex index;
    for (const auto& [fromWeek, toWeek] :
         {std::pair{-1, 200}, std::pair{50, 60}, std::pair{10, 10}, std::pair{100, 120}}) {
        const double after = test::week(fromWeek);
        const double upTo = test::week(toWeek);
        index.selectWindow(draws, after, upTo);
        for (int trial = 0; trial < 120; ++trial) {
            NumberMask row = 0;
            while (std::popcount(row) < 5)
                row |= maskOfNumber(static_cast<int>(random.next(16)) + 1);
            const int key = static_cast<int>(random.next(10));
            for (int threshold = -1; threshold <= 7; ++threshold)
                for (bool keyCounts : {false, true})
                    ASSERT_EQ(index.anyDrawReaches(row, key, threshold, keyCounts),
                              scanReaches(draws, after, upTo, row, key, threshold, keyCounts))
                        << "weeks " << fromWeek << ".." << toWeek << " threshold " << threshold
                        << " key " << keyCounts;
        }
    }
}

TEST(HistoryIndex, AnEmptyWindowMatchesNothing) {
    const DrawSnapshot draws = test::snapshotOf({{5, {1, 2, 3, 4, 5}, 1}});
    HistoryIndex index;
    index.selectWindow(draws, test::week(5), test::week(9));
    EXPECT_EQ(index.drawCount(), 0u);
    Random random(1);
    const NumberMask row = randomRow(random);
    EXPECT_FALSE(index.anyDrawReaches(row, 1, 0, true));
    index.selectWindow(draws, test::week(4), test::week(5));
    EXPECT_EQ(index.drawCount(), 1u);
    EXPECT_TRUE(index.anyDrawReaches(row, 1, 0, false));
}

} // namespace
} // namespace kav
