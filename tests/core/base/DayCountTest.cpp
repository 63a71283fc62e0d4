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

// Every day the date pickers can hold, from their first date to 31.12.9999: one day count
// on is one calendar day on, a week on is the same weekday, and the day counts, the texts
// and the parse agree with each other; the start of every year lies 365 or 366 days after
// the one before, as the leap years say.
TEST(DayCount, EveryDayOfThePickersRange) {
    const DayCount last = dayCountFromCivil({9999, 12, 31});
    EXPECT_EQ(last, 2958465);
    CivilDate expected{2005, 2, 6};
    int weekday = 0; // 06.02.2005 was a Sunday
    DayCount yearStart = dayCountFromCivil({2005, 1, 1});
    for (DayCount day = kMinimumPickerDate; day <= last; ++day) {
        const CivilDate c = civilFromDayCount(day);
        ASSERT_TRUE(c.year == expected.year && c.month == expected.month && c.day == expected.day)
            << day;
        ASSERT_EQ(weekdayOf(day), weekday) << day;
        ASSERT_EQ(dayCountFromCivil(c), day);
        if (c.day == 1 || day % 97 == 0) { // the texts on a sample of the days
            ASSERT_EQ(parseShortDate(formatShortDate(day)), day) << formatShortDate(day);
        }

        const bool leap = (c.year % 4 == 0 && c.year % 100 != 0) || c.year % 400 == 0;
        const int monthDays[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        weekday = (weekday + 1) % 7;
        if (++expected.day > monthDays[expected.month - 1]) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
                ASSERT_EQ(day + 1 - yearStart, leap ? 366 : 365) << c.year;
                yearStart = day + 1;
            }
        }
    }
}

TEST(DayCount, ParsesOnlyRealDates) {
    EXPECT_EQ(parseShortDate("06.02.2005"), 38389);
    EXPECT_EQ(parseShortDate("6.2.2005"), 38389);
    EXPECT_FALSE(parseShortDate("29.02.2005"));
    EXPECT_EQ(parseShortDate("29.02.2024"), dayCountFromCivil({2024, 2, 29}));
    EXPECT_FALSE(parseShortDate("31.04.2024"));
    EXPECT_FALSE(parseShortDate("00.01.2024"));
    EXPECT_FALSE(parseShortDate("01.13.2024"));
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
