// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "commands/DrawHistoryAnalysis.h"
#include "evaluation/DrawHistoryReport.h"
#include "model/RowComparison.h"

#include <cstdint>

namespace kav {
class Workspace;
}

namespace kav::bench {

struct BacktestTotals {
    HitClassTable classes{};
    int draws = 0;
};

// The parameter backtest as written, without the one snapshot: every selection of the
// current draw reads the draw file, and every week's tip calculation is the baseline run
// that reads it for every attempt. From the end date `start` with the lucky number; the
// rows are written into the sheet as the real run writes them, so the week's evaluation
// counts the same classes. The yardstick the real backtest must equal.
BacktestTotals baselineBacktest(Workspace& ws, DayCount start, std::uint32_t lucky);

// The draw history analysis as written, from the end date, every question answered Yes:
// every week reads the draw file again and compares row 1 with each earlier draw by
// `Zettelcheck` on the sheet's texts.
struct HistoryTables {
    MatchTable earlier{};
    MatchTable next{};
};
HistoryTables baselineDrawHistory(Workspace& ws);

} // namespace kav::bench
