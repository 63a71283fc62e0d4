// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/StatisticBands.h"

#include "base/NearestInteger.h"
#include "model/Chart.h"

#include <algorithm>

namespace kav {

CountRange countRangeOf(const Chart& chart) {
    if (chart.points.empty())
        return {};
    CountRange range{chart.points.front().y, chart.points.front().y};
    for (const ChartPoint& p : chart.points) {
        range.min = std::min(range.min, p.y);
        range.max = std::max(range.max, p.y);
    }
    return range;
}

namespace {

std::int64_t spread(CountRange range) {
    return static_cast<std::int64_t>(range.max) - range.min;
}

} // namespace

CountBand frequentGroupBand(CountRange range) {
    // Nearest(Max - 0.3 * (Max - Min)) < count <= Max
    return {static_cast<int>(nearestHalfEven(10 * std::int64_t{range.max} - 3 * spread(range), 10)),
            range.max, true};
}

CountBand rareGroupBand(CountRange range) {
    // 0 < count <= Nearest(Min + 0.3 * (Max - Min)): a group never drawn stays out.
    return {0,
            static_cast<int>(nearestHalfEven(10 * std::int64_t{range.min} + 3 * spread(range), 10)),
            true};
}

CountBand topNumberBand(CountRange range, int percent, int divisor) {
    // Nearest(Max - q/100 * (Max - Min)) <= count <= Max, q = percent / divisor
    const std::int64_t denominator = 100 * std::int64_t{divisor};
    return {static_cast<int>(
                nearestHalfEven(denominator * range.max - percent * spread(range), denominator)),
            range.max, false};
}

CountBand bottomNumberBand(CountRange range, int percent, int divisor) {
    // Min <= count <= Nearest(Min + q/100 * (Max - Min))
    const std::int64_t denominator = 100 * std::int64_t{divisor};
    return {range.min,
            static_cast<int>(
                nearestHalfEven(denominator * range.min + percent * spread(range), denominator)),
            false};
}

} // namespace kav
