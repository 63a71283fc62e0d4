// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/GroupStatistics.h"

#include "stats/ChartAxis.h"
#include "stats/WindowDraws.h"

#include <cstdint>

namespace kav {

namespace {

std::size_t index(int value) {
    return static_cast<std::size_t>(value);
}

} // namespace

Chart groupStatistic(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages,
                     const RunShape& shape) {
    // Counters by starting number, and how often each number stands in the draw at hand;
    // the quad test row of 52 reaches 55, one beyond the highest number.
    std::array<int, kHighestNumber + 1> counters{};
    std::array<int, kHighestNumber + 2> occurrences{};
    std::int64_t drawCount = 0;
    std::int64_t runsFound = 0;
    forEachWindowDraw(draws, window, StartBound::Exclusive, [&](const DrawRecord& draw) {
        ++drawCount;
        occurrences.fill(0);
        for (int i = 0; i < kNumbersPerDraw; ++i)
            ++occurrences[index(draw.number(i))];
        // The comparison scores one hit per (drawn number, equal row cell); the fillers 0
        // never match, so the hits of a test row are the occurrences of its run.
        for (int start = 1; start <= shape.lastStart; ++start) {
            int hits = 0;
            for (int offset = 0; offset < shape.length; ++offset)
                hits += occurrences[index(start + offset)];
            if (hits == shape.length) {
                ++counters[index(start)];
                ++runsFound;
            }
        }
    });

    Chart chart;
    for (int x = 1; x <= shape.pointCount; ++x)
        chart.points.push_back({x, counters[index(x)], std::nullopt});
    if (shape.automaticAxis)
        setAxisAutomatic(chart);
    else
        setAxisRangeFromMinToMax(chart);
    chart.caption = messages.line(msg::Draws) + std::to_string(drawCount) + "        " +
                    messages.line(shape.foundLine) + std::to_string(runsFound);
    return chart;
}

std::array<std::string, 5> groupTestRow(const RunShape& shape, int start) {
    std::array<std::string, 5> row;
    for (int position = 0; position < 5; ++position)
        row[index(position)] = position < shape.length ? std::to_string(start + position) : "0";
    return row;
}

Chart pairStatistic(const DrawSnapshot& draws, AnalysisWindow window,
                    const MessageTable& messages) {
    return groupStatistic(draws, window, messages, kPairRun);
}

Chart tripleStatistic(const DrawSnapshot& draws, AnalysisWindow window,
                      const MessageTable& messages) {
    return groupStatistic(draws, window, messages, kTripleRun);
}

Chart quadStatistic(const DrawSnapshot& draws, AnalysisWindow window,
                    const MessageTable& messages) {
    return groupStatistic(draws, window, messages, kQuadRun);
}

} // namespace kav
