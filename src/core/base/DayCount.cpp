// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/DayCount.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kav {
namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long daysFromEpoch(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 1899-12-30 is 25569 days before 1970-01-01.
constexpr long kEpochOffset = 25569;

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

} // namespace

DayCount dayCountFromCivil(CivilDate date) {
    return static_cast<DayCount>(daysFromEpoch(date.year, date.month, date.day) + kEpochOffset);
}

CivilDate civilFromDayCount(DayCount days) {
    long z = static_cast<long>(days) - kEpochOffset + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

int weekdayOf(DayCount days) {
    // Day 0 (30.12.1899) was a Saturday.
    const int w = (days + 6) % 7;
    return w < 0 ? w + 7 : w;
}

std::string formatShortDate(DayCount days) {
    const CivilDate c = civilFromDayCount(days);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", c.day, c.month, c.year);
    return buf;
}

std::string formatCompactDate(DayCount days) {
    const CivilDate c = civilFromDayCount(days);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", c.year, c.month, c.day);
    return buf;
}

std::string formatCaptionDate(DayCount days) {
    const CivilDate c = civilFromDayCount(days);
    return twoDigits(c.day) + "." + twoDigits(c.month) + "." + twoDigits(c.year);
}

std::optional<DayCount> parseShortDate(std::string_view text) {
    int parts[3] = {0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find('.', pos) : text.size();
        if (end == std::string_view::npos || end == pos)
            return std::nullopt;
        const std::string_view field = text.substr(pos, end - pos);
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), parts[i]);
        if (ec != std::errc{} || ptr != field.data() + field.size())
            return std::nullopt;
        pos = end + 1;
    }
    const int d = parts[0], m = parts[1], y = parts[2];
    if (y < 1900 || y > 9999 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m))
        return std::nullopt;
    return dayCountFromCivil({y, m, d});
}

namespace {

// 01.01.0001 and 31.12.9999 as day counts.
constexpr double kFirstCalendarDay = -693593.0;
constexpr double kLastCalendarDay = 2958465.0;

DayCount clampedDay(double whole) {
    if (std::isnan(whole))
        return 0;
    return static_cast<DayCount>(std::clamp(whole, kFirstCalendarDay, kLastCalendarDay));
}

} // namespace

DayCount roundToDay(double value) {
    return clampedDay(std::nearbyint(value));
}

DayCount wholeDayOf(double value) {
    return clampedDay(std::floor(value));
}

} // namespace kav
