// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kav {

// Dates are whole day counts since 30 December 1899 (day 0), the unit of the draw file.
using DayCount = int;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

DayCount dayCountFromCivil(CivilDate date);
CivilDate civilFromDayCount(DayCount days);

// 0 = Sunday ... 6 = Saturday.
int weekdayOf(DayCount days);

// "dd.mm.yyyy", the program-wide short date format.
std::string formatShortDate(DayCount days);
// "yyyymmdd", used in file names and service requests.
std::string formatCompactDate(DayCount days);
// "dd.mm.yy" (two-digit year), used in draw captions.
std::string formatCaptionDate(DayCount days);

// Accepts "d.m.yyyy" / "dd.mm.yyyy"; rejects anything else and impossible dates.
std::optional<DayCount> parseShortDate(std::string_view text);

// A stored day count may carry a fraction; this is the whole day it falls on, rounded
// to the nearest day with halves to even, as the pickers round.
DayCount roundToDay(double value);
// The day a stored day count falls on (the fraction is the time of day).
DayCount wholeDayOf(double value);
// Both conversions keep a damaged value (NaN, infinity, a huge count from a broken
// record) a calendar day of the years 1..9999: NaN becomes day 0, the rest is clamped.

// The earliest date the two date pickers accept: 6 February 2005.
inline constexpr DayCount kMinimumPickerDate = 38389;

} // namespace kav
