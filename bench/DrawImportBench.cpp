// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV import of a full history into an empty program folder, and the parsing of the
// draw-data service's answers, each beside a straightforward baseline.
#include "NoInteraction.h"
#include "app/Workspace.h"
#include "base/TextLines.h"
#include "commands/CsvTransfer.h"
#include "commands/DrawReading.h"
#include "draws/DrawCsv.h"
#include "draws/DrawMerge.h"
#include "draws/DrawServiceProtocol.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

using namespace kav;

constexpr int kDraws = 1100;
const DayCount kToday = kMinimumPickerDate + 7 * kDraws;

std::vector<DrawRecord> history() {
    std::vector<DrawRecord> records;
    for (int i = 0; i < kDraws; ++i)
        records.push_back(
            DrawRecord::make(kMinimumPickerDate + 7 * i,
                             {1 + i % 50, 2 + i % 50, 3 + i % 50, 4 + i % 50, 5 + i % 50}, i % 10));
    return records;
}

void BM_ImportIntoEmptyFolder(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "kavanto-bench-import";
    std::filesystem::create_directories(folder);
    const auto csv = folder / "draws.csv";
    std::ofstream(csv, std::ios::binary) << drawCsvText(history());
    bench::NoInteraction ui;
    Workspace ws(folder, ui);
    ws.program.todayProvider = [] { return kToday; };
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(drawFileOf(ws.program).path());
        state.ResumeTiming();
        benchmark::DoNotOptimize(importDrawsFromCsv(ws.program, ws.run, csv, ConflictChoice::Keep));
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_ImportIntoEmptyFolder)->Unit(benchmark::kMillisecond);

// The answers of a full catch-up, one per line, as the update parses them.
std::string answers() {
    std::string body;
    for (const DrawRecord& record : history())
        body += drawLineText(formatShortDate(roundToDay(record.date)), record) + "\r\n";
    return body;
}

void BM_UpdateParsing(benchmark::State& state) {
    const std::string body = answers();
    for (auto _ : state) {
        int sum = 0;
        for (const std::string_view line : textLines(body))
            if (const auto draw = parseDrawLine(line))
                sum += draw->key;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_UpdateParsing);

// The same with a stream and a regular expression, as one might write it first.
void BM_UpdateParsingBaseline(benchmark::State& state) {
    const std::string body = answers();
    const std::regex line(
        R"(^[^,]*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*;.*)");
    for (auto _ : state) {
        int sum = 0;
        std::istringstream in(body);
        std::string text;
        std::smatch m;
        while (std::getline(in, text)) {
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            if (std::regex_match(text, m, line))
                sum += std::stoi(m[6]);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_UpdateParsingBaseline);

} // namespace
