// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the draw file under the commands that read it: the selection of the current
// draw with the sheet evaluation, previous/next, the statistic commands with their charts
// and a short generator run. The bytes are parsed in memory and handed to the commands as
// their snapshot, as an analysis hands its snapshot on. The first byte picks the command and its
// end date.
#include "FuzzWorkspace.h"

#include "commands/CommandGuard.h"
#include "commands/DrawNavigation.h"
#include "commands/DrawSelection.h"
#include "commands/SheetEvaluation.h"
#include "commands/StatisticCommands.h"
#include "commands/TipCalculation.h"
#include "model/Controls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    if (size == 0)
        return 0;
    const unsigned reader = data[0] % 16;
    const unsigned variant = data[0] / 16 % 8;
    const kav::DrawSnapshot draws = kav::parseDrawRecords({data + 1, size - 1});
    kav::fuzz::FuzzWorkspace f;
    kav::Workspace& ws = f.ws;
    ws.ticket.sheet.setCell(0, 0, "5");
    ws.ticket.sheet.setCell(0, 1, "5");
    ws.ticket.sheet.setCell(0, 2, "12");
    ws.ticket.sheet.setCell(0, 3, "54");
    ws.ticket.sheet.setCell(0, 4, "1");
    ws.ticket.sheet.setCell(0, 5, "9");
    // The end date: today, or one of seven dates back to 2005.
    ws.drawWindow.endPicker.set(ws.program.today() - static_cast<kav::DayCount>(variant) * 1000);
    if (reader < 6) { // the selection of the current draw with the sheet evaluation
        kav::runGuarded(ws.program.ui, [&] {
            kav::SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view, &draws);
        });
    } else if (reader < 12) { // previous and next draw
        kav::runGuarded(ws.program.ui, [&] {
            kav::SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view, &draws);
        });
        for (unsigned step = 0; step <= variant; ++step)
            kav::runGuarded(ws.program.ui, [&] {
                kav::SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view, &draws);
            });
        kav::runGuarded(ws.program.ui, [&] {
            kav::SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view, &draws);
        });
    } else if (reader < 15) { // the statistic commands with their charts
        kav::runGuarded(ws.program.ui, [&] {
            kav::Button2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, &draws);
        });
        kav::runGuarded(ws.program.ui, [&] {
            kav::Button8Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, &draws);
        });
    } else { // a short generator run: reference draws, pool and history rules
        ws.options.setValue(kav::UpDown::AttemptBudget, 1);               // 1,000 attempts
        ws.options.setValue(kav::UpDown::RowsToCompute, 1 + variant % 2); // one or two rows
        ws.run.random.setSeed(static_cast<std::uint32_t>(size));
        kav::runGuarded(ws.program.ui, [&] {
            kav::Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view,
                              &draws);
        });
    }
    // Nothing failed: with the draws in memory the commands only read them.
    require(f.ui.errors.empty());
    return 0;
}
