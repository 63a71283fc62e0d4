// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/AttemptStatus.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(AttemptStatus, TextOfEachRowShape) {
    const CandidateRow row = test::candidate({3, 17, 22, 30, 41}, 6);
    struct Case {
        int row;
        const char* expected;
    };
    for (const Case& c : {Case{1, "1.Tipp:  3 17  22  30  41  QS: 113"},
                          Case{2, "2.Tipp:  3 17  22  30  41   QS: 113"},
                          Case{3, "3.Tipp:  3 17  22  30  41    QS: 113"},
                          Case{4, "4.Tipp:  3 17  22  30  41   QS: 113"},
                          Case{7, "7.Tipp:  3 17  22  30  41  6  QS: 113"},
                          Case{9, "9.Tipp:  3 17  22  30  41  6  QS: 113"},
                          Case{12, "12.Tipp:  3 17  22  30  41  QS: 113"}})
        EXPECT_EQ(attemptStatusText(c.row, row, "Tipp"), c.expected) << c.row;
}

TEST(AttemptStatus, TheFirstAttemptIsShownAndTheNextOnesWaitForTheClock) {
    AttemptStatusThrottle throttle;
    EXPECT_TRUE(throttle.due());
    for (int i = 0; i < 255; ++i)
        EXPECT_FALSE(throttle.due()); // the clock is not even asked
}

} // namespace
} // namespace kav
