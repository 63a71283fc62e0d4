// SPDX-License-Identifier: GPL-3.0-or-later
// The tip calculation ("Tipps berechnen") over a history of 1,100 draws: the full attempt
// budget, whole default runs, and a straightforward baseline that re-reads the draw file
// on every attempt for the key statistic and both history rules.
#include "BaselineTipRun.h"
#include "BenchHistory.h"

#include "app/Workspace.h"
#include "commands/TipCalculation.h"
#include "model/Controls.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using kav::CheckBox;
using kav::UpDown;
using kav::bench::BenchWorkspace;
using kav::bench::kHistory;

// Option sets of the measurements.
enum class Setting {
    Defaults,        // the design defaults
    RejectedEarly,   // at least three even and three odd numbers: fails at rule 9
    RejectedHistory, // two numbers of any of the last 128 draws: fails at rule 11
};

void apply(kav::Options& o, Setting setting, int keyItem) {
    o.setKeyModeItem(keyItem);
    if (setting == Setting::RejectedEarly) {
        o.setChecked(CheckBox::MinimumEven, true);
        o.setChecked(CheckBox::MinimumOdd, true);
        o.setValue(UpDown::MinimumEven, 3);
        o.setValue(UpDown::MinimumOdd, 3);
    }
    if (setting == Setting::RejectedHistory) {
        o.setValue(UpDown::RecentDrawsMatches, 2);
        o.setValue(UpDown::RecentDrawsCount, 128);
    }
}

void reportAttempts(benchmark::State& state, std::int64_t attempts) {
    state.counters["attempts/s"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
    state.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
}

// The real run: args = setting, key item, rows to compute, budget in thousands.
void BM_TipRun(benchmark::State& state) {
    BenchWorkspace b;
    apply(b.ws.options, static_cast<Setting>(state.range(0)), static_cast<int>(state.range(1)));
    b.ws.options.setValue(UpDown::RowsToCompute, static_cast<int>(state.range(2)));
    b.ws.options.setValue(UpDown::AttemptBudget, static_cast<int>(state.range(3)));
    std::int64_t attempts = 0;
    for (auto _ : state) {
        b.ws.run.random.setSeed(815);
        attempts += kav::Label28Click(b.ws.program, b.ws.options, b.ws.ticket, b.ws.drawWindow,
                                      b.ws.run, b.ws.view)
                        .attempts;
    }
    reportAttempts(state, attempts);
}

// The baseline with the same arguments; it must leave the same rows as the real run.
void BM_BaselineTipRun(benchmark::State& state) {
    BenchWorkspace b;
    apply(b.ws.options, static_cast<Setting>(state.range(0)), static_cast<int>(state.range(1)));
    b.ws.options.setValue(UpDown::RowsToCompute, static_cast<int>(state.range(2)));
    b.ws.options.setValue(UpDown::AttemptBudget, static_cast<int>(state.range(3)));
    b.ws.run.random.setSeed(815);
    const int realAttempts = kav::Label28Click(b.ws.program, b.ws.options, b.ws.ticket,
                                               b.ws.drawWindow, b.ws.run, b.ws.view)
                                 .attempts;
    const kav::bench::RunRows real = kav::bench::sheetRows(b.ws, realAttempts);
    std::int64_t attempts = 0;
    for (auto _ : state) {
        b.ws.run.random.setSeed(815);
        const kav::bench::RunRows baseline = kav::bench::baselineTipRun(b.ws);
        if (baseline.rows != real.rows || baseline.firstKey != real.firstKey ||
            baseline.attempts != real.attempts) {
            state.SkipWithError("the baseline and the real run disagree");
            return;
        }
        attempts += baseline.attempts;
    }
    reportAttempts(state, attempts);
}

constexpr auto kEarly = static_cast<int>(Setting::RejectedEarly);
constexpr auto kHistoryRule = static_cast<int>(Setting::RejectedHistory);
constexpr auto kDefaults = static_cast<int>(Setting::Defaults);

// The full budget of 50,000 attempts, every attempt rejected.
BENCHMARK(BM_TipRun)
    ->Name("FullBudget/RejectedEarly/KeyOverdue")
    ->Args({kEarly, 2, 5, 50})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipRun)
    ->Name("FullBudget/RejectedEarly/KeyRandom")
    ->Args({kEarly, 0, 5, 50})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipRun)
    ->Name("FullBudget/RejectedByHistoryRules/KeyRarest")
    ->Args({kHistoryRule, 1, 12, 50})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipRun)
    ->Name("FullBudget/RejectedByHistoryRules/KeyOverdue")
    ->Args({kHistoryRule, 2, 12, 50})
    ->Unit(benchmark::kMillisecond);

// Whole runs with the design defaults.
BENCHMARK(BM_TipRun)
    ->Name("DefaultRun/5Rows")
    ->Args({kDefaults, 2, 5, 50})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TipRun)
    ->Name("DefaultRun/12Rows")
    ->Args({kDefaults, 2, 12, 50})
    ->Unit(benchmark::kMicrosecond);

// The same runs against the baseline (a budget of 2,000 attempts where every attempt is
// rejected; compare attempts/s).
BENCHMARK(BM_TipRun)
    ->Name("Compare/Real/HistoryRules/KeyRarest")
    ->Args({kHistoryRule, 1, 12, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineTipRun)
    ->Name("Compare/Baseline/HistoryRules/KeyRarest")
    ->Args({kHistoryRule, 1, 12, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipRun)
    ->Name("Compare/Real/HistoryRules/KeyOverdue")
    ->Args({kHistoryRule, 2, 12, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineTipRun)
    ->Name("Compare/Baseline/HistoryRules/KeyOverdue")
    ->Args({kHistoryRule, 2, 12, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipRun)
    ->Name("Compare/Real/DefaultRun/12Rows")
    ->Args({kDefaults, 2, 12, 50})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineTipRun)
    ->Name("Compare/Baseline/DefaultRun/12Rows")
    ->Args({kDefaults, 2, 12, 50})
    ->Unit(benchmark::kMicrosecond);

} // namespace
