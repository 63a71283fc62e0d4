// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/DayCount.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace kav {
namespace {

using namespace std::chrono;

// Day 0 of the draw file's day counts.
constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};

sys_days calendarDayOf(DayCount days) {
    return kDayZero + std::chrono::days{days};
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

} // namespace

DayCount dayCountFromCivil(CivilDate date) {
    // The first of the month plus the days after it: a day beyond the month's end (as
    // arithmetic on dates may ask for) runs on into the next month.
    const sys_days first = year{date.year} / month{static_cast<unsigned>(date.month)} / 1;
    return static_cast<DayCount>((first - kDayZero).count() + date.day - 1);
}

CivilDate civilFromDayCount(DayCount days) {
    const year_month_day ymd{calendarDayOf(days)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int weekdayOf(DayCount days) {
    return static_cast<int>(weekday{calendarDayOf(days)}.c_encoding());
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
    if (y < 1900 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok())
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
