// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "draws/DrawFile.h"
#include "model/Chart.h"
#include "stats/Statistics.h"

#include <array>
#include <ostream>
#include <vector>

namespace kav::test {

// Draw dates one week apart from the pickers' minimum date on.
inline double week(int n) {
    return static_cast<double>(kMinimumPickerDate + 7 * n);
}

struct TestDraw {
    int week;
    std::array<int, 5> numbers;
    int key = 0;
};

// Test parameters print as the draw they stand for, so test names stay readable.
inline void PrintTo(const TestDraw& d, std::ostream* os) {
    *os << "week " << d.week << ":";
    for (int n : d.numbers)
        *os << ' ' << n;
    *os << " R " << d.key;
}

inline DrawSnapshot snapshotOf(const std::vector<TestDraw>& draws) {
    DrawSnapshot snapshot;
    for (const TestDraw& d : draws)
        snapshot.records.push_back(DrawRecord::make(week(d.week), d.numbers, d.key));
    return snapshot;
}

inline AnalysisWindow weeks(int startWeek, int endWeek) {
    return {week(startWeek), week(endWeek)};
}

inline std::vector<int> yValues(const Chart& chart) {
    std::vector<int> ys;
    for (const ChartPoint& p : chart.points)
        ys.push_back(p.y);
    return ys;
}

inline std::vector<int> xValues(const Chart& chart) {
    std::vector<int> xs;
    for (const ChartPoint& p : chart.points)
        xs.push_back(p.x);
    return xs;
}

inline int yAt(const Chart& chart, int x) {
    for (const ChartPoint& p : chart.points)
        if (p.x == x)
            return p.y;
    return -1;
}

inline std::vector<int> range(int from, int to) {
    std::vector<int> values;
    for (int v = from; v <= to; ++v)
        values.push_back(v);
    return values;
}

} // namespace kav::test
