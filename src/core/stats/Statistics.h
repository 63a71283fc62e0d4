// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Chart.h"
#include "model/DrawSnapshot.h"

namespace kav {

class MessageTable;
class TipSheet;

// The analysis window as day counts; each statistic applies its own start test
// (inclusive or exclusive), the end is inclusive for all.
struct AnalysisWindow {
    double start = 0.0;
    double end = 0.0;
};

// Each statistic over a draw snapshot, as the chart contract publishes it. Records that
// are not valid (numbers outside 1..54, key outside 0..9) are skipped.
Chart numberDistribution(const DrawSnapshot& draws, AnalysisWindow window,
                         const MessageTable& messages);
Chart overdueNumbers(const DrawSnapshot& draws, AnalysisWindow window,
                     const MessageTable& messages);
Chart crossSums(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages);
Chart pairStatistic(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages);
Chart tripleStatistic(const DrawSnapshot& draws, AnalysisWindow window,
                      const MessageTable& messages);
Chart quadStatistic(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages);
Chart keyFrequency(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages);
Chart keyOverdue(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages);
Chart tipDistribution(const TipSheet& sheet, const MessageTable& messages);

} // namespace kav
