// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/DayCount.h"

#include <gtest/gtest.h>

namespace kav {

TEST(DayCount, KnownDatesAndFormats) {
    const DayCount seedDay = dayCountFromCivil({2005, 2, 6});
    EXPECT_EQ(seedDay, 38389);
    EXPECT_EQ(kMinimumPickerDate, seedDay);
    EXPECT_EQ(weekdayOf(seedDay), 0); // a Sunday
    EXPECT_EQ(formatShortDate(seedDay), "06.02.2005");
    EXPECT_EQ(formatCompactDate(seedDay), "20050206");
    EXPECT_EQ(formatCaptionDate(seedDay), "06.02.05");
    EXPECT_EQ(dayCountFromCivil({1899, 12, 30}), 0);
    const CivilDate back = civilFromDayCount(dayCountFromCivil({2024, 2, 29}));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
}

TEST(DayCount, ParsesOnlyRealDates) {
    EXPECT_EQ(parseShortDate("06.02.2005"), 38389);
    EXPECT_EQ(parseShortDate("6.2.2005"), 38389);
    EXPECT_FALSE(parseShortDate("29.02.2005"));
    EXPECT_FALSE(parseShortDate("06.02.05x"));
    EXPECT_FALSE(parseShortDate("2005-02-06"));
    EXPECT_FALSE(parseShortDate(""));
}

TEST(DayCount, RoundsHalvesToEven) {
    EXPECT_EQ(roundToDay(38389.5), 38390);
    EXPECT_EQ(roundToDay(38390.5), 38390);
    EXPECT_EQ(roundToDay(38389.4), 38389);
}

} // namespace kav
