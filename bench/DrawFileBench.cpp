// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the whole draw file, the step every command starts with.
#include "draws/DrawFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

std::filesystem::path writeHistory(int draws) {
    const auto folder = std::filesystem::temp_directory_path() / "kavanto-bench-drawfile";
    std::filesystem::create_directories(folder);
    std::vector<kav::DrawRecord> records;
    for (int i = 0; i < draws; ++i)
        records.push_back(kav::DrawRecord::make(
            38389.0 + 7 * i, {1 + i % 50, 2 + i % 50, 3 + i % 50, 4 + i % 50, 5 + i % 50}, i % 10));
    kav::DrawFile file(folder);
    file.createWithSeed();
    file.replace(records);
    return folder;
}

void BM_ReadWholeDrawFile(benchmark::State& state) {
    const kav::DrawFile file(writeHistory(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(file.readAll());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadWholeDrawFile)->Arg(1100);

} // namespace
