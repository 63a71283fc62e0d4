// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kav {

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kGreen = 0x008000;

struct ChartPoint {
    int x = 0;
    int y = 0;
    std::optional<std::uint32_t> colour; // nullopt: the series' default colour (green)

    bool operator==(const ChartPoint&) const = default;
};

// What a statistic publishes in `Series2` of `Chart1`: the points in ascending X, the
// left-axis setting with its resulting bounds, and the bottom-axis caption. The
// generator reads statistics back through this value.
struct Chart {
    std::vector<ChartPoint> points;
    // false: "range from min to max" (manual bounds); true: automatic scaling, whose
    // bounds are 0 to the largest Y (0 and 0 without points).
    bool axisAutomatic = false;
    int axisMinimum = 0;
    int axisMaximum = 0;
    std::string caption;
    // Texts under the bars, one per point, instead of the X values; empty: the X values.
    std::vector<std::string> xLabels;
    // A second bar beside each point (the count random rows would give beside the count
    // the rules got), with the legend names of both bar sets; empty for the statistics.
    std::vector<double> secondBars;
    std::string pointsName;
    std::string secondBarsName;

    // "Empty Series2": the points go, and with them their labels and second bars.
    void clearPoints() {
        points.clear();
        xLabels.clear();
        secondBars.clear();
    }

    bool operator==(const Chart&) const = default;
};

} // namespace kav
