// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaselineAnalyses.h"

#include "BaselineTipRun.h"
#include "app/Workspace.h"
#include "commands/DrawNavigation.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/SheetEvaluation.h"
#include "evaluation/DrawHistoryReport.h"

#include <algorithm>

namespace kav::bench {
namespace {

// The rows of a run into the sheet: numbers ascending, every key cell row 1's key; a row
// without numbers stays empty.
void writeRows(TipSheet& sheet, const RunRows& run) {
    sheet.clearUnlocked();
    for (int r = 0; r < TipSheet::kRows; ++r) {
        const auto& numbers = run.rows[static_cast<std::size_t>(r)];
        if (numbers[0] == 0)
            continue;
        for (int c = 0; c < 5; ++c)
            sheet.setCell(r, c, std::to_string(numbers[static_cast<std::size_t>(c)]));
        sheet.setCell(r, TipSheet::kKeyColumn, std::to_string(run.firstKey));
    }
}

int& counterOf(MatchTable& table, int hitCount) {
    return table[static_cast<std::size_t>(std::clamp(hitCount, 0, 6))];
}

} // namespace

BacktestTotals baselineBacktest(Workspace& ws, DayCount start, std::uint32_t lucky) {
    BacktestTotals totals;
    ws.drawWindow.endPicker.set(start);
    DayCount e = ws.drawWindow.endPicker.value;
    SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    for (DayCount p = ws.program.today(); p != e;) {
        p = e;
        ws.run.random.setSeed(lucky);
        writeRows(ws.ticket.sheet, baselineTipRun(ws));
        ws.drawWindow.endPicker.set(ws.drawWindow.endPicker.value + 7);
        SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
        ++totals.draws;
        for (std::size_t k = 0; k < totals.classes.size(); ++k)
            for (std::size_t c = 0; c < 3; ++c)
                totals.classes[k][c] += ws.ticket.hitClasses[k][c];
        e = ws.drawWindow.endPicker.value;
    }
    return totals;
}

HistoryTables baselineDrawHistory(Workspace& ws) {
    HistoryTables tables;
    SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    double bound = ws.drawWindow.endPicker.value + 10.0;
    while (ws.drawWindow.current.date < bound) {
        ws.ticket.sheet.clearUnlocked();
        for (int i = 0; i < 5; ++i)
            ws.ticket.sheet.setCell(0, i, std::to_string(ws.drawWindow.current.number(i)));
        ws.ticket.sheet.setCell(0, TipSheet::kKeyColumn,
                                std::to_string(ws.drawWindow.current.key()));
        ws.ticket.comparison.hitCount = 0;
        const auto end = static_cast<double>(ws.drawWindow.endPicker.value);
        const DrawSnapshot draws = drawFileOf(ws.program).readAll();
        for (const DrawRecord& record : draws.records) {
            if (record.date < ws.drawWindow.windowStart || record.date >= end)
                continue;
            ws.drawWindow.current.take(record);
            Zettelcheck(ws.ticket, ws.drawWindow.current,
                        {ws.ticket.sheet.cell(0, 0), ws.ticket.sheet.cell(0, 1),
                         ws.ticket.sheet.cell(0, 2), ws.ticket.sheet.cell(0, 3),
                         ws.ticket.sheet.cell(0, 4)},
                        ws.ticket.sheet.cell(0, TipSheet::kKeyColumn));
            ++counterOf(tables.earlier, ws.ticket.comparison.hitCount);
        }
        bound = draws.records.empty() ? ws.drawWindow.current.date : draws.records.back().date;
        SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
        ++counterOf(tables.next, ws.ticket.comparison.hitCount);
    }
    return tables;
}

} // namespace kav::bench
