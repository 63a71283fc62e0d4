// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics over a full history, and the group statistics against their
// straightforward form: every test row compared with every window draw by `Zettelcheck`.
#include "NoInteraction.h"
#include "app/Workspace.h"
#include "commands/SheetEvaluation.h"
#include "model/Random.h"
#include "stats/GroupStatistics.h"
#include "stats/Statistics.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kav;
using kav::bench::NoInteraction;

constexpr int kDraws = 1100;

DrawSnapshot history() {
    Random random(20050206);
    DrawSnapshot snapshot;
    for (int week = 0; week < kDraws; ++week) {
        std::array<int, 5> numbers{};
        for (int& n : numbers)
            n = 1 + static_cast<int>(random.next(54));
        snapshot.records.push_back(
            DrawRecord::make(38389.0 + 7 * week, numbers, static_cast<int>(random.next(10))));
    }
    return snapshot;
}

const AnalysisWindow kWholeHistory{38388.0, 38389.0 + 7 * kDraws};

void BM_GroupStatistics(benchmark::State& state) {
    const DrawSnapshot draws = history();
    const MessageTable messages;
    for (auto _ : state)
        for (const RunShape* shape : {&kPairRun, &kTripleRun, &kQuadRun})
            benchmark::DoNotOptimize(groupStatistic(draws, kWholeHistory, messages, *shape));
}
BENCHMARK(BM_GroupStatistics);

void BM_GroupStatisticsByRowComparison(benchmark::State& state) {
    const DrawSnapshot draws = history();
    NoInteraction ui;
    Workspace ws(".", ui);
    for (auto _ : state) {
        for (const RunShape* shape : {&kPairRun, &kTripleRun, &kQuadRun}) {
            std::array<int, 55> counters{};
            for (const DrawRecord& draw : draws.records) {
                if (!(draw.date > kWholeHistory.start && draw.date <= kWholeHistory.end))
                    continue;
                ws.drawWindow.current.takeSlots(draw);
                for (int start = 1; start <= shape->lastStart; ++start) {
                    const std::array<std::string, 5> row = groupTestRow(*shape, start);
                    Zettelcheck(ws.ticket, ws.drawWindow.current,
                                {row[0], row[1], row[2], row[3], row[4]}, "0");
                    if (ws.ticket.comparison.hitCount == shape->length)
                        ++counters[static_cast<std::size_t>(start)];
                }
            }
            benchmark::DoNotOptimize(counters);
        }
    }
}
BENCHMARK(BM_GroupStatisticsByRowComparison);

void BM_NumberAndKeyStatistics(benchmark::State& state) {
    const DrawSnapshot draws = history();
    const MessageTable messages;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberDistribution(draws, kWholeHistory, messages));
        benchmark::DoNotOptimize(overdueNumbers(draws, kWholeHistory, messages));
        benchmark::DoNotOptimize(crossSums(draws, kWholeHistory, messages));
        benchmark::DoNotOptimize(keyFrequency(draws, kWholeHistory, messages));
        benchmark::DoNotOptimize(keyOverdue(draws, kWholeHistory, messages));
    }
}
BENCHMARK(BM_NumberAndKeyStatistics);

} // namespace
