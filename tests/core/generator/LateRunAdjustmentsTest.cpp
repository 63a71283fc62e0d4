// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LateRunAdjustments.h"

#include "model/Controls.h"
#include "model/Options.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

struct Snapshot {
    bool forcedPair;
    int lastDrawLimit;
    int secondLastDrawLimit;
    int databaseMatches;
    bool operator==(const Snapshot&) const = default;
};

Snapshot adjustable(const Options& o) {
    return {o.checked(CheckBox::ForcedPair), o.value(UpDown::LastDrawLimit),
            o.value(UpDown::SecondLastDrawLimit), o.value(UpDown::DatabaseMatches)};
}

Options withForcedPair() {
    Options o;
    o.setChecked(CheckBox::ForcedPair, true);
    return o;
}

TEST(LateRunAdjustments, FireOnlyAtTheirExactThresholds) {
    // Design defaults: forced pair (switched on here), last-draw limit 0, second-last 1, X 5.
    const Snapshot start{true, 0, 1, 5};
    struct Case {
        const char* name;
        int attempts;
        int budget;
        int row;
        Snapshot expected;
    };
    const Case cases[] = {
        {"half the budget", 25000, 50000, 1, {false, 0, 1, 5}},
        {"one past half", 25001, 50000, 1, start},
        {"X at B - 20000", 30000, 50000, 3, {true, 0, 1, 6}},
        {"X not for row 2", 30000, 50000, 2, start},
        {"limits at B - 10000", 40000, 50000, 5, {true, 1, 2, 5}},
        {"limits at B - 10000, row 8", 40000, 50000, 8, {true, 0, 2, 5}},
        {"limits at B - 5000", 45000, 50000, 12, {true, 2, 3, 5}},
        {"limits at B - 5000, row 8", 45000, 50000, 8, {true, 2, 1, 5}},
        {"limits not for row 1", 45000, 50000, 1, start},
        {"B = 20000: no X change at 0", 0, 20000, 5, start},
        {"B = 10000: half budget and B - 5000 coincide", 5000, 10000, 4, {false, 2, 3, 5}},
        {"B = 1000: half", 500, 1000, 1, {false, 0, 1, 5}},
    };
    for (const Case& c : cases) {
        Options o = withForcedPair();
        applyLateRunAdjustments(o, c.attempts, c.budget, c.row);
        EXPECT_EQ(adjustable(o), c.expected) << c.name;
    }
}

TEST(LateRunAdjustments, AFullBudgetFiresEachChangeOnceAndTheRestoreUndoesThem) {
    Options o = withForcedPair();
    const AdjustedOptions saved(o);
    for (int a = 1; a <= 50000; ++a)
        applyLateRunAdjustments(o, a, 50000, 3);
    EXPECT_EQ(adjustable(o), (Snapshot{false, 2, 3, 6}));
    EXPECT_EQ(o.maximum(UpDown::DatabaseMatches),
              5); // X = 6 is set beyond the spin button's maximum
    saved.restore(o);
    EXPECT_EQ(adjustable(o), (Snapshot{true, 0, 1, 5}));
}

} // namespace
} // namespace kav
