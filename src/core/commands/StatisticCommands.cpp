// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/StatisticCommands.h"

#include "commands/DrawReading.h"
#include "commands/SheetEvaluation.h"
#include "model/BusyCursor.h"
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
AnalysisWindow readAnalysisWindow(DrawWindow& drawWindow, StoredFields stored) {
    const AnalysisWindow window{static_cast<double>(drawWindow.startPicker.value),
                                static_cast<double>(drawWindow.endPicker.value)};
    drawWindow.windowStart = window.start;
    if (stored == StoredFields::StartAndEnd)
        drawWindow.windowEnd = window.end;
    return window;
}

// Whether a statistic brings the "Diagramm" page to the front when it has finished.
enum class PageAfter { Unchanged, Chart, ChartUnlessRunning };

void publish(const ProgramContext& program, Presentation& view, Chart chart, PageAfter page,
             bool generatorRunning) {
    view.chart = std::move(chart);
    // The generator runs some statistics in the middle of a calculation, and then the
    // page must not change.
    if (page == PageAfter::Chart || (page == PageAfter::ChartUnlessRunning && !generatorRunning))
        view.activePage = Page::Chart;
    program.ui.repaint();
}

// The common scan: the hourglass, the draw file read (unless the caller hands in the
// snapshot it read once), then the window read from the pickers. A file that cannot be
// read throws before anything changes, so the chart stays as it was. `statistic`
// returns the chart to publish.
template <typename Statistic>
void runDrawStatistic(ProgramContext& program, DrawWindow& drawWindow, const RunState& run,
                      Presentation& view, const DrawSnapshot* given, StoredFields stored,
                      PageAfter page, Statistic&& statistic) {
    const BusyCursor busy(program.ui);
    std::optional<DrawSnapshot> read;
    if (given == nullptr)
        given = &read.emplace(readDrawFile(program));
    const AnalysisWindow window = readAnalysisWindow(drawWindow, stored);
    publish(program, view, statistic(*given, window), page, run.running);
}

// Pairs, triples and quads. Besides the chart they leave what comparing every test row
// with every window draw leaves: the last window draw's bytes in the current draw's slots
// (its date and index stay) and the comparison of the last test row with it.
void runGroupStatistic(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view, const DrawSnapshot* given,
                       const RunShape& shape) {
    runDrawStatistic(
        program, drawWindow, run, view, given, StoredFields::StartAndEnd, PageAfter::Chart,
        [&](const DrawSnapshot& draws, AnalysisWindow window) {
            if (const DrawRecord* last = lastWindowDraw(draws, window, StartBound::Exclusive)) {
                drawWindow.current.takeSlots(*last);
                const std::array<std::string, 5> row = groupTestRow(shape, shape.lastStart);
                Zettelcheck(ticket, drawWindow.current, {row[0], row[1], row[2], row[3], row[4]},
                            "0");
            }
            return groupStatistic(draws, window, program.messages, shape);
        });
}

// A statistic of the number or key counts: `statistic(draws, window, messages)`.
template <typename Statistic>
void runCountStatistic(ProgramContext& program, DrawWindow& drawWindow, const RunState& run,
                       Presentation& view, const DrawSnapshot* given, StoredFields stored,
                       PageAfter page, Statistic statistic) {
    runDrawStatistic(program, drawWindow, run, view, given, stored, page,
                     [&](const DrawSnapshot& draws, AnalysisWindow window) {
                         return statistic(draws, window, program.messages);
                     });
}

} // namespace

void SpeedButton2Click(ProgramContext& program, Ticket&, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runCountStatistic(program, drawWindow, run, view, draws, StoredFields::StartAndEnd,
                      PageAfter::Unchanged, numberDistribution);
}

void Button5Click(ProgramContext& program, Ticket&, DrawWindow& drawWindow, const RunState& run,
                  Presentation& view, const DrawSnapshot* draws) {
    runCountStatistic(program, drawWindow, run, view, draws, StoredFields::StartAndEnd,
                      PageAfter::Chart, overdueNumbers);
}

void SpeedButton9Click(ProgramContext& program, Ticket&, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runCountStatistic(program, drawWindow, run, view, draws, StoredFields::StartAndEnd,
                      PageAfter::Unchanged, crossSums);
}

void Button2Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runGroupStatistic(program, ticket, drawWindow, run, view, draws, kPairRun);
}

void Button3Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runGroupStatistic(program, ticket, drawWindow, run, view, draws, kTripleRun);
}

void Button4Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runGroupStatistic(program, ticket, drawWindow, run, view, draws, kQuadRun);
}

void SpeedButton3Click(ProgramContext& program, Ticket&, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view, const DrawSnapshot* draws) {
    runCountStatistic(program, drawWindow, run, view, draws, StoredFields::StartOnly,
                      PageAfter::Unchanged, keyFrequency);
}

void Button8Click(ProgramContext& program, Ticket&, DrawWindow& drawWindow, const RunState& run,
                  Presentation& view, const DrawSnapshot* draws) {
    runCountStatistic(program, drawWindow, run, view, draws, StoredFields::StartOnly,
                      PageAfter::ChartUnlessRunning, keyOverdue);
}

void Button6Click(const ProgramContext& program, const Ticket& ticket, Presentation& view) {
    const BusyCursor busy(program.ui);
    publish(program, view, tipDistribution(ticket.sheet, program.messages), PageAfter::Chart,
            false);
}

namespace {

void showChartThenRun(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                      const RunState& run, Presentation& view, StatisticCommand statistic) {
    view.activePage = Page::Chart;
    statistic(program, ticket, drawWindow, run, view, nullptr);
}

} // namespace

void SpeedButton26Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                        const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, SpeedButton2Click);
}
void Label88Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, SpeedButton9Click);
}
void Label89Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, Button2Click);
}
void Label91Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, Button3Click);
}
void Label90Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                  const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, Button4Click);
}
void SuperseltenClick(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                      const RunState& run, Presentation& view) {
    showChartThenRun(program, ticket, drawWindow, run, view, SpeedButton3Click);
}
void SuperAusClick(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                   const RunState& run, Presentation& view) {
    Button8Click(program, ticket, drawWindow, run, view);
}

} // namespace kav
