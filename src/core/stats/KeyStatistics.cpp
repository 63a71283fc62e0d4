// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics over the key number ("Nº Clave"): how often each came, and how long each
// has been overdue.
#include "base/MessageTable.h"
#include "stats/ChartAxis.h"
#include "stats/Statistics.h"
#include "stats/WindowDraws.h"

#include <array>

namespace kav {

namespace {

using KeyCounters = std::array<int, kHighestKey + 1>;

// Ten points X = 0..9; the left axis runs from the smallest to the largest count, which
// the key choice of the generator reads back.
Chart keyChart(const KeyCounters& counters, const std::string& caption) {
    Chart chart;
    for (int key = 0; key <= kHighestKey; ++key)
        chart.points.push_back({key, counters[static_cast<std::size_t>(key)], std::nullopt});
    setAxisRangeFromMinToMax(chart);
    chart.caption = caption;
    return chart;
}

} // namespace

Chart keyFrequency(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages) {
    KeyCounters counters{};
    forEachWindowDraw(draws, window, StartBound::Inclusive, [&](const DrawRecord& draw) {
        ++counters[static_cast<std::size_t>(draw.key())];
    });
    return keyChart(counters, messages.line(msg::KeyFrequency));
}

Chart keyOverdue(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages) {
    // 1 means "the key of the window's last draw"; a key never drawn shows the number of
    // window draws.
    KeyCounters counters{};
    forEachWindowDraw(draws, window, StartBound::Exclusive, [&](const DrawRecord& draw) {
        for (int& counter : counters)
            ++counter;
        counters[static_cast<std::size_t>(draw.key())] = 1;
    });
    return keyChart(counters, messages.line(msg::KeyOverdue));
}

} // namespace kav
