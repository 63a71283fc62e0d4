// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the draw file: every reader must cope with damaged records (numbers
// outside 1..54, keys outside 0..9, NaN or huge dates) and a trailing fragment.
#include "FuzzWorkspace.h"

#include "app/CommandGuard.h"
#include "draws/DrawNavigation.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"
#include "generator/TipCalculation.h"
#include "stats/StatisticCommands.h"
#include "stats/Statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kav::fuzz::FuzzWorkspace f;
    kav::Workspace& ws = f.ws;
    f.writeFile(kav::DrawFile::kFileName, data, size);
    const kav::DrawSnapshot draws = ws.drawFile().readAll();
    for (const kav::AnalysisWindow window :
         {kav::AnalysisWindow{0.0, 1e9}, kav::AnalysisWindow{38389.0, 46000.0}}) {
        kav::numberDistribution(draws, window, ws.messages);
        kav::overdueNumbers(draws, window, ws.messages);
        kav::crossSums(draws, window, ws.messages);
        kav::pairStatistic(draws, window, ws.messages);
        kav::tripleStatistic(draws, window, ws.messages);
        kav::quadStatistic(draws, window, ws.messages);
        kav::keyFrequency(draws, window, ws.messages);
        kav::keyOverdue(draws, window, ws.messages);
    }
    ws.sheet.setCell(0, 0, "5");
    ws.sheet.setCell(0, 1, "5");
    ws.sheet.setCell(0, 2, "12");
    ws.sheet.setCell(0, 3, "54");
    ws.sheet.setCell(0, 4, "1");
    ws.sheet.setCell(0, 5, "9");
    ws.endPicker.set(ws.today());
    kav::runGuarded(ws, [&] { kav::SpeedButton5Click(ws); });
    kav::runGuarded(ws, [&] { kav::SpeedButton6Click(ws); });
    kav::runGuarded(ws, [&] { kav::SpeedButton7Click(ws); });
    kav::runGuarded(ws, [&] { kav::Button2Click(ws); });
    kav::runGuarded(ws, [&] { kav::Button8Click(ws); });
    // A short generator run over the same file: reference draws, pool and history rules.
    ws.options.setUpDown(7, 1);
    ws.random.setSeed(static_cast<std::uint32_t>(size));
    kav::runGuarded(ws, [&] { kav::Label28Click(ws); });
    return 0;
}
