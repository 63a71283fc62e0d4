// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the draw file: every reader must cope with damaged records (numbers
// outside 1..54, keys outside 0..9, NaN or huge dates) and a trailing fragment. The bytes
// are parsed in memory and held as the commands' snapshot, as an analysis holds it. The
// first byte picks the reader that works over the rest, so that each input stays quick
// and the fuzzer spreads its work over all of them.
#include "FuzzWorkspace.h"

#include "app/CommandGuard.h"
#include "draws/DrawNavigation.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"
#include "generator/TipCalculation.h"
#include "stats/StatisticCommands.h"
#include "stats/Statistics.h"

namespace {

void runStatistic(unsigned pick, const kav::DrawSnapshot& draws, kav::AnalysisWindow window,
                  const kav::MessageTable& messages) {
    switch (pick % 8) {
    case 0:
        kav::numberDistribution(draws, window, messages);
        break;
    case 1:
        kav::overdueNumbers(draws, window, messages);
        break;
    case 2:
        kav::crossSums(draws, window, messages);
        break;
    case 3:
        kav::pairStatistic(draws, window, messages);
        break;
    case 4:
        kav::tripleStatistic(draws, window, messages);
        break;
    case 5:
        kav::quadStatistic(draws, window, messages);
        break;
    case 6:
        kav::keyFrequency(draws, window, messages);
        break;
    default:
        kav::keyOverdue(draws, window, messages);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    if (size == 0)
        return 0;
    const unsigned pick = data[0];
    const kav::DrawSnapshot draws = kav::parseDrawRecords({data + 1, size - 1});
    require(draws.size() == (size - 1) / kav::kRecordSize);
    int damaged = 0;
    for (const kav::DrawRecord& record : draws.records)
        damaged += record.isValid() ? 0 : 1;
    require(damaged == draws.damagedRecords);

    // The first byte's low five bits pick the reader, its high three bits the variant.
    const unsigned reader = pick % 32;
    const unsigned variant = pick / 32;
    if (reader < 16) { // a statistic itself, over all draws or a window
        static const kav::MessageTable messages;
        const kav::AnalysisWindow window =
            variant % 2 ? kav::AnalysisWindow{38389.0, 46000.0} : kav::AnalysisWindow{0.0, 1e9};
        runStatistic(reader, draws, window, messages);
        return 0;
    }
    kav::fuzz::FuzzWorkspace f;
    kav::Workspace& ws = f.ws;
    ws.heldDraws = &draws;
    ws.sheet.setCell(0, 0, "5");
    ws.sheet.setCell(0, 1, "5");
    ws.sheet.setCell(0, 2, "12");
    ws.sheet.setCell(0, 3, "54");
    ws.sheet.setCell(0, 4, "1");
    ws.sheet.setCell(0, 5, "9");
    // The end date: today, or one of seven dates back to 2005.
    ws.endPicker.set(ws.today() - static_cast<kav::DayCount>(variant) * 1000);
    if (reader < 22) { // the selection of the current draw with the sheet evaluation
        kav::runGuarded(ws, [&] { kav::SpeedButton5Click(ws); });
    } else if (reader < 28) { // previous and next draw
        kav::runGuarded(ws, [&] { kav::SpeedButton5Click(ws); });
        for (unsigned step = 0; step <= variant; ++step)
            kav::runGuarded(ws, [&] { kav::SpeedButton6Click(ws); });
        kav::runGuarded(ws, [&] { kav::SpeedButton7Click(ws); });
    } else if (reader < 31) { // the statistic commands with their charts
        kav::runGuarded(ws, [&] { kav::Button2Click(ws); });
        kav::runGuarded(ws, [&] { kav::Button8Click(ws); });
    } else { // a short generator run: reference draws, pool and history rules
        ws.options.setUpDown(7, 1);
        ws.random.setSeed(static_cast<std::uint32_t>(size));
        kav::runGuarded(ws, [&] { kav::Label28Click(ws); });
    }
    // Nothing failed: with the draws in memory the commands only read them.
    require(f.ui.errors.empty());
    return 0;
}
