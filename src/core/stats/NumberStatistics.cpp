// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics over single numbers: the number distribution, the overdue numbers and
// the cross sums.
#include "base/MessageTable.h"
#include "base/NearestInteger.h"
#include "stats/ChartAxis.h"
#include "stats/NumberColour.h"
#include "stats/Statistics.h"
#include "stats/WindowDraws.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace kav {

namespace {

using NumberCounters = std::array<int, kHighestNumber + 1>;

std::size_t index(int value) {
    return static_cast<std::size_t>(value);
}

// One point per number 1..54, coloured as the number charts colour them.
void addNumberPoints(Chart& chart, const NumberCounters& counters) {
    for (int x = 1; x <= kHighestNumber; ++x)
        chart.points.push_back({x, counters[index(x)], numberColour(x)});
}

} // namespace

Chart numberDistribution(const DrawSnapshot& draws, AnalysisWindow window,
                         const MessageTable& messages) {
    NumberCounters counters{};
    std::int64_t drawCount = 0;
    std::int64_t sumTotal = 0;
    forEachWindowDraw(draws, window, StartBound::Inclusive, [&](const DrawRecord& draw) {
        for (int i = 0; i < kNumbersPerDraw; ++i)
            ++counters[index(draw.number(i))];
        sumTotal += draw.crossSum();
        ++drawCount;
    });

    Chart chart;
    addNumberPoints(chart, counters);
    setAxisRangeFromMinToMax(chart);
    chart.caption = messages.line(msg::NumberDistribution) + "     " + messages.line(msg::Draws) +
                    std::to_string(drawCount) + "    " + messages.line(msg::CrossSum) +
                    std::to_string(nearestHalfEven(sumTotal, drawCount));
    return chart;
}

Chart overdueNumbers(const DrawSnapshot& draws, AnalysisWindow window,
                     const MessageTable& messages) {
    // 1 means "drawn in the window's last draw"; every later draw adds one.
    NumberCounters counters;
    counters.fill(1);
    forEachWindowDraw(draws, window, StartBound::Exclusive, [&](const DrawRecord& draw) {
        for (int& counter : counters)
            ++counter;
        for (int i = 0; i < kNumbersPerDraw; ++i)
            counters[index(draw.number(i))] = 1;
    });

    Chart chart;
    addNumberPoints(chart, counters);
    setAxisRangeFromMinToMax(chart);
    chart.caption = messages.line(msg::OverdueNumbers);
    return chart;
}

Chart crossSums(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages) {
    // A sound draw reaches at most 50+51+52+53+54 = 260; a record that repeats a number
    // can reach 5 x 54.
    constexpr int kLargestSum = kNumbersPerDraw * kHighestNumber;
    std::array<int, kLargestSum + 1> counters{};
    int smallest = kLargestSum + 1;
    int largest = 0;
    std::int64_t drawCount = 0;
    std::int64_t sumTotal = 0;
    forEachWindowDraw(draws, window, StartBound::Exclusive, [&](const DrawRecord& draw) {
        const int sum = draw.crossSum();
        ++counters[index(sum)];
        smallest = std::min(smallest, sum);
        largest = std::max(largest, sum);
        ++drawCount;
        sumTotal += sum;
    });

    Chart chart;
    // Without a window draw smallest > largest and no point is added.
    for (int sum = smallest; sum <= largest; ++sum)
        chart.points.push_back({sum, counters[index(sum)], std::nullopt});
    setAxisAutomatic(chart);
    chart.caption = messages.line(msg::CrossSumDistribution) + "    " + messages.line(msg::Draws) +
                    std::to_string(drawCount) + "     " + messages.line(msg::CrossSum) +
                    std::to_string(nearestHalfEven(sumTotal, drawCount));
    return chart;
}

} // namespace kav
