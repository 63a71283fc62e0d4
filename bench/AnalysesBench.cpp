// SPDX-License-Identifier: GPL-3.0-or-later
// The two historical analyses over the 1,100-draw history from its first draw, each beside
// the analysis as written, which reads the draw file at every step (and, in the backtest,
// at every attempt of every week's tip calculation). The baselines must give the same
// results.
#include "BaselineAnalyses.h"
#include "BenchHistory.h"

#include "commands/Backtest.h"
#include "commands/DrawHistoryAnalysis.h"

#include <benchmark/benchmark.h>

namespace {

using kav::bench::BenchWorkspace;

constexpr std::uint32_t kLucky = 815;

// A program folder of its own: the analyses write their report into it.
const std::filesystem::path& analysesFolder() {
    static const std::filesystem::path folder = kav::bench::writeHistory("kavanto-bench-analyses");
    return folder;
}

kav::BacktestResult backtestFromTheFirstDraw(kav::Workspace& ws) {
    ws.drawWindow.endPicker.set(kav::kMinimumPickerDate);
    return kav::BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
}

kav::DrawHistoryResult historyFromTheFirstDraw(kav::Workspace& ws) {
    ws.drawWindow.endPicker.set(kav::kMinimumPickerDate);
    return kav::BitBtn19Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
}

void BM_Backtest(benchmark::State& state) {
    BenchWorkspace b(analysesFolder());
    b.ui.answer = std::to_string(kLucky);
    int weeks = 0;
    for (auto _ : state) {
        const kav::BacktestResult result = backtestFromTheFirstDraw(b.ws);
        if (!result.completed) {
            state.SkipWithError("the backtest did not complete");
            return;
        }
        weeks = result.draws;
    }
    state.counters["weeks"] = weeks;
}

void BM_BaselineBacktest(benchmark::State& state) {
    BenchWorkspace real(analysesFolder());
    real.ui.answer = std::to_string(kLucky);
    const kav::BacktestResult expected = backtestFromTheFirstDraw(real.ws);
    for (auto _ : state) {
        BenchWorkspace b(analysesFolder());
        const kav::bench::BacktestTotals totals =
            kav::bench::baselineBacktest(b.ws, kav::kMinimumPickerDate, kLucky);
        if (totals.draws != expected.draws || totals.classes != expected.classes) {
            state.SkipWithError("the baseline and the real backtest disagree");
            return;
        }
    }
    state.counters["weeks"] = expected.draws;
}

void BM_DrawHistory(benchmark::State& state) {
    BenchWorkspace b(analysesFolder());
    for (auto _ : state) {
        if (!historyFromTheFirstDraw(b.ws).completed) {
            state.SkipWithError("the history analysis did not complete");
            return;
        }
    }
}

void BM_BaselineDrawHistory(benchmark::State& state) {
    BenchWorkspace real(analysesFolder());
    const kav::DrawHistoryResult expected = historyFromTheFirstDraw(real.ws);
    for (auto _ : state) {
        BenchWorkspace b(analysesFolder());
        b.ws.drawWindow.endPicker.set(kav::kMinimumPickerDate);
        const kav::bench::HistoryTables tables = kav::bench::baselineDrawHistory(b.ws);
        if (tables.earlier != expected.earlier || tables.next != expected.next) {
            state.SkipWithError("the baseline and the real history analysis disagree");
            return;
        }
    }
}

BENCHMARK(BM_Backtest)->Name("Backtest/FromTheFirstDraw")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineBacktest)
    ->Name("Backtest/Baseline/FromTheFirstDraw")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_DrawHistory)->Name("DrawHistory/FromTheFirstDraw")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineDrawHistory)
    ->Name("DrawHistory/Baseline/FromTheFirstDraw")
    ->Unit(benchmark::kMillisecond);

} // namespace
