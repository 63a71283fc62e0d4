// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ChartAxis.h"

#include <algorithm>

namespace kav {

void setAxisRangeFromMinToMax(Chart& chart) {
    chart.axisAutomatic = false;
    if (chart.points.empty()) {
        chart.axisMinimum = 0;
        chart.axisMaximum = 0;
        return;
    }
    const auto [lowest, highest] =
        std::minmax_element(chart.points.begin(), chart.points.end(),
                            [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    chart.axisMinimum = lowest->y;
    chart.axisMaximum = highest->y;
}

void setAxisAutomatic(Chart& chart) {
    chart.axisAutomatic = true;
    chart.axisMinimum = 0;
    chart.axisMaximum = 0;
    for (const ChartPoint& point : chart.points)
        chart.axisMaximum = std::max(chart.axisMaximum, point.y);
}

} // namespace kav
