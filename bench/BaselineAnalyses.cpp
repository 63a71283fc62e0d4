// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaselineAnalyses.h"

#include "BaselineTipRun.h"
#include "app/Workspace.h"
#include "draws/DrawNavigation.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"

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
    ws.endPicker.set(start);
    DayCount e = ws.endPicker.value;
    SpeedButton5Click(ws);
    for (DayCount p = ws.today(); p != e;) {
        p = e;
        ws.random.setSeed(lucky);
        writeRows(ws.sheet, baselineTipRun(ws));
        ws.endPicker.set(ws.endPicker.value + 7);
        SpeedButton5Click(ws);
        ++totals.draws;
        for (std::size_t k = 0; k < totals.classes.size(); ++k)
            for (std::size_t c = 0; c < 3; ++c)
                totals.classes[k][c] += ws.hitClasses[k][c];
        e = ws.endPicker.value;
    }
    return totals;
}

HistoryTables baselineDrawHistory(Workspace& ws) {
    HistoryTables tables;
    SpeedButton5Click(ws);
    double bound = ws.endPicker.value + 10.0;
    while (ws.current.date < bound) {
        ws.sheet.clearUnlocked();
        for (int i = 0; i < 5; ++i)
            ws.sheet.setCell(0, i, std::to_string(ws.current.number(i)));
        ws.sheet.setCell(0, TipSheet::kKeyColumn, std::to_string(ws.current.key()));
        ws.comparison.hitCount = 0;
        const auto end = static_cast<double>(ws.endPicker.value);
        const DrawSnapshot draws = ws.drawFile().readAll();
        for (const DrawRecord& record : draws.records) {
            if (record.date < ws.windowStart || record.date >= end)
                continue;
            ws.current.take(record);
            Zettelcheck(ws,
                        {ws.sheet.cell(0, 0), ws.sheet.cell(0, 1), ws.sheet.cell(0, 2),
                         ws.sheet.cell(0, 3), ws.sheet.cell(0, 4)},
                        ws.sheet.cell(0, TipSheet::kKeyColumn));
            ++counterOf(tables.earlier, ws.comparison.hitCount);
        }
        bound = draws.records.empty() ? ws.current.date : draws.records.back().date;
        SpeedButton7Click(ws);
        ++counterOf(tables.next, ws.comparison.hitCount);
    }
    return tables;
}

} // namespace kav::bench
