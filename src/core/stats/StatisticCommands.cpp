// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatisticCommands.h"

#include "app/BusyCursor.h"
#include "app/Workspace.h"
#include "evaluation/HitEvaluation.h"
#include "stats/GroupStatistics.h"
#include "stats/Statistics.h"
#include "stats/WindowDraws.h"

#include <optional>
#include <utility>

namespace kav {

namespace {

// Which of the main window's window fields a statistic stores: the key-number statistics
// refresh the start date only.
enum class StoredFields { StartAndEnd, StartOnly };

// The window from the two pickers: `DateTimePicker2` gives the start, `DateTimePicker1`
// the end.
AnalysisWindow readAnalysisWindow(Workspace& ws, StoredFields stored) {
    const AnalysisWindow window{static_cast<double>(ws.startPicker.value),
                                static_cast<double>(ws.endPicker.value)};
    ws.windowStart = window.start;
    if (stored == StoredFields::StartAndEnd)
        ws.windowEnd = window.end;
    return window;
}

// Whether a statistic brings the "Diagramm" page to the front when it has finished.
enum class PageAfter { Unchanged, Chart, ChartUnlessRunning };

void publish(Workspace& ws, Chart chart, PageAfter page) {
    ws.chart = std::move(chart);
    // The generator runs some statistics in the middle of a calculation, and then the
    // page must not change.
    if (page == PageAfter::Chart || (page == PageAfter::ChartUnlessRunning && !ws.running))
        ws.activePage = Page::Chart;
    ws.ui.repaint();
}

// The common scan: the hourglass, the draw file read (unless the caller hands in the
// snapshot it read once), then the window read from the pickers. A file that cannot be
// read throws before anything changes, so the chart stays as it was. `statistic`
// returns the chart to publish.
template <typename Statistic>
void runDrawStatistic(Workspace& ws, const DrawSnapshot* given, StoredFields stored, PageAfter page,
                      Statistic&& statistic) {
    const BusyCursor busy(ws.ui);
    std::optional<DrawSnapshot> read;
    if (given == nullptr)
        given = &read.emplace(ws.readDraws());
    const AnalysisWindow window = readAnalysisWindow(ws, stored);
    publish(ws, statistic(*given, window), page);
}

// Pairs, triples and quads. Besides the chart they leave what comparing every test row
// with every window draw leaves: the last window draw's bytes in the current draw's slots
// (its date and index stay) and the comparison of the last test row with it.
void runGroupStatistic(Workspace& ws, const DrawSnapshot* given, const RunShape& shape) {
    runDrawStatistic(
        ws, given, StoredFields::StartAndEnd, PageAfter::Chart,
        [&](const DrawSnapshot& draws, AnalysisWindow window) {
            if (const DrawRecord* last = lastWindowDraw(draws, window, StartBound::Exclusive)) {
                ws.current.takeSlots(*last);
                const std::array<std::string, 5> row = groupTestRow(shape, shape.lastStart);
                Zettelcheck(ws, {row[0], row[1], row[2], row[3], row[4]}, "0");
            }
            return groupStatistic(draws, window, ws.messages, shape);
        });
}

} // namespace

void SpeedButton2Click(Workspace& ws, const DrawSnapshot* draws) {
    runDrawStatistic(ws, draws, StoredFields::StartAndEnd, PageAfter::Unchanged,
                     [&](const DrawSnapshot& snapshot, AnalysisWindow window) {
                         return numberDistribution(snapshot, window, ws.messages);
                     });
}

void Button5Click(Workspace& ws, const DrawSnapshot* draws) {
    runDrawStatistic(ws, draws, StoredFields::StartAndEnd, PageAfter::Chart,
                     [&](const DrawSnapshot& snapshot, AnalysisWindow window) {
                         return overdueNumbers(snapshot, window, ws.messages);
                     });
}

void SpeedButton9Click(Workspace& ws, const DrawSnapshot* draws) {
    runDrawStatistic(ws, draws, StoredFields::StartAndEnd, PageAfter::Unchanged,
                     [&](const DrawSnapshot& snapshot, AnalysisWindow window) {
                         return crossSums(snapshot, window, ws.messages);
                     });
}

void Button2Click(Workspace& ws, const DrawSnapshot* draws) {
    runGroupStatistic(ws, draws, kPairRun);
}

void Button3Click(Workspace& ws, const DrawSnapshot* draws) {
    runGroupStatistic(ws, draws, kTripleRun);
}

void Button4Click(Workspace& ws, const DrawSnapshot* draws) {
    runGroupStatistic(ws, draws, kQuadRun);
}

void SpeedButton3Click(Workspace& ws, const DrawSnapshot* draws) {
    runDrawStatistic(ws, draws, StoredFields::StartOnly, PageAfter::Unchanged,
                     [&](const DrawSnapshot& snapshot, AnalysisWindow window) {
                         return keyFrequency(snapshot, window, ws.messages);
                     });
}

void Button8Click(Workspace& ws, const DrawSnapshot* draws) {
    runDrawStatistic(ws, draws, StoredFields::StartOnly, PageAfter::ChartUnlessRunning,
                     [&](const DrawSnapshot& snapshot, AnalysisWindow window) {
                         return keyOverdue(snapshot, window, ws.messages);
                     });
}

void Button6Click(Workspace& ws) {
    const BusyCursor busy(ws.ui);
    publish(ws, tipDistribution(ws.sheet, ws.messages), PageAfter::Chart);
}

namespace {

template <typename Statistic> void showChartThenRun(Workspace& ws, Statistic&& statistic) {
    ws.activePage = Page::Chart;
    statistic(ws, nullptr);
}

} // namespace

void SpeedButton26Click(Workspace& ws) {
    showChartThenRun(ws, SpeedButton2Click);
}
void Label88Click(Workspace& ws) {
    showChartThenRun(ws, SpeedButton9Click);
}
void Label89Click(Workspace& ws) {
    showChartThenRun(ws, Button2Click);
}
void Label91Click(Workspace& ws) {
    showChartThenRun(ws, Button3Click);
}
void Label90Click(Workspace& ws) {
    showChartThenRun(ws, Button4Click);
}
void SuperseltenClick(Workspace& ws) {
    showChartThenRun(ws, SpeedButton3Click);
}
void SuperAusClick(Workspace& ws) {
    Button8Click(ws);
}

} // namespace kav
