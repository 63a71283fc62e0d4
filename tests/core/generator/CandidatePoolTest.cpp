// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/CandidatePool.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

using Entries = std::vector<int>;

TEST(CandidatePool, CloseUpMovesEntriesFromTheEndIntoTheGaps) {
    struct Case {
        const char* name;
        Entries entries;
        Entries removedNumbers;
        Entries expected;
    };
    const Case cases[] = {
        {"nothing marked", {1, 2, 3}, {}, {1, 2, 3}},
        {"gap takes the last entry", {1, 2, 3, 4, 5}, {2}, {1, 5, 3, 4}},
        {"a marked last entry is dropped and the walk repeats", {1, 2, 3, 4, 5}, {2, 5}, {1, 4, 3}},
        {"everything marked", {7, 7, 7}, {7}, {}},
        {"first position", {9, 1, 2, 3}, {9}, {3, 1, 2}},
        {"two gaps", {1, 2, 3, 4, 5, 6, 7}, {1, 3}, {7, 2, 6, 4, 5}},
    };
    for (const Case& c : cases) {
        CandidatePool pool(c.entries);
        pool.markAllOf(c.removedNumbers);
        pool.closeUp();
        EXPECT_EQ(pool.entries(), c.expected) << c.name;
    }
}

TEST(CandidatePool, MarkFirstTakesOneEntryThatIsStillKept) {
    CandidatePool pool({5, 3, 5, 5, 40});
    pool.markFirstOf(5);
    pool.markFirstOf(5);
    pool.markFirstOf(12); // not in the pool: nothing happens
    pool.closeUp();
    EXPECT_EQ(pool.entries(), (Entries{40, 3, 5}));
}

TEST(CandidatePool, MarkBelowAndWeights) {
    CandidatePool pool;
    pool.append(12, 2);
    pool.append(13);
    pool.append(1, 3);
    pool.append(54);
    EXPECT_EQ(pool.weights()[1], 3);
    EXPECT_EQ(pool.weights()[12], 2);
    EXPECT_EQ(pool.distinctNumbers(), 4);
    pool.markBelow(13);
    pool.closeUp();
    EXPECT_EQ(pool.entries(), (Entries{54, 13}));
    EXPECT_EQ(pool.distinctNumbers(), 2);
}

} // namespace
} // namespace kav
