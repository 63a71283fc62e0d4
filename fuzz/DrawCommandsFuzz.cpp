// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the draw file under the commands that read it: the selection of the current
// draw with the sheet evaluation, previous/next, the statistic commands with their charts
// and a short generator run. The bytes are parsed in memory and held as the commands'
// snapshot, as an analysis holds it. The first byte picks the command and its end date.
#include "FuzzWorkspace.h"

#include "app/CommandGuard.h"
#include "draws/DrawNavigation.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"
#include "generator/TipCalculation.h"
#include "stats/StatisticCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    if (size == 0)
        return 0;
    const unsigned reader = data[0] % 16;
    const unsigned variant = data[0] / 16 % 8;
    const kav::DrawSnapshot draws = kav::parseDrawRecords({data + 1, size - 1});
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
    if (reader < 6) { // the selection of the current draw with the sheet evaluation
        kav::runGuarded(ws, [&] { kav::SpeedButton5Click(ws); });
    } else if (reader < 12) { // previous and next draw
        kav::runGuarded(ws, [&] { kav::SpeedButton5Click(ws); });
        for (unsigned step = 0; step <= variant; ++step)
            kav::runGuarded(ws, [&] { kav::SpeedButton6Click(ws); });
        kav::runGuarded(ws, [&] { kav::SpeedButton7Click(ws); });
    } else if (reader < 15) { // the statistic commands with their charts
        kav::runGuarded(ws, [&] { kav::Button2Click(ws); });
        kav::runGuarded(ws, [&] { kav::Button8Click(ws); });
    } else { // a short generator run: reference draws, pool and history rules
        ws.options.setUpDown(7, 1);               // 1,000 attempts
        ws.options.setUpDown(8, 1 + variant % 2); // one or two rows
        ws.random.setSeed(static_cast<std::uint32_t>(size));
        kav::runGuarded(ws, [&] { kav::Label28Click(ws); });
    }
    // Nothing failed: with the draws in memory the commands only read them.
    require(f.ui.errors.empty());
    return 0;
}
