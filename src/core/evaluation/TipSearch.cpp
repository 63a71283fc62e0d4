// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/TipSearch.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "draws/DrawCaption.h"
#include "evaluation/HitEvaluation.h"
#include "stats/ChartAxis.h"
#include "stats/WindowDraws.h"

namespace kav {
namespace {

constexpr std::size_t kThresholdCaption = 10; // "Bei wievielen Zahlen Übereinstellung stoppen?"
constexpr std::size_t kThresholdPrompt = 11;  // "Tipp-Test"
constexpr std::size_t kHitAt = 12;            // "Ein Treffer am  "
constexpr std::size_t kFoundGoOn = 13;        // " gefunden. Weiter?"
constexpr std::size_t kDrawFound = 14;        // "Ziehung gefunden"

// A hits label turns red from this many matched numbers on.
constexpr int kRedFrom = 3;

// The twelve bars at the end: X = 0..11, one per row, labelled with the row number.
Chart rowsReachedChart(const std::array<int, 12>& reached, int threshold, bool keyCounts) {
    Chart chart;
    for (std::size_t row = 0; row < reached.size(); ++row) {
        chart.points.push_back({static_cast<int>(row), reached[row], std::nullopt});
        chart.xLabels.push_back(std::to_string(row + 1));
    }
    setAxisAutomatic(chart);
    chart.caption = "Tippreihe 1 bis 12: in wie vielen Ziehungen sie " + std::to_string(threshold) +
                    (keyCounts ? " Treffer (Nº Clave zählt mit) erreichte" : " Treffer erreichte");
    return chart;
}

} // namespace

SearchResult SpeedButton4Click(Workspace& ws) {
    const bool keyCounts = ws.options.checkBox(31);
    const std::string defaultText = keyCounts ? "7" : "5";
    const int threshold =
        integerOrThrow(ws.ui
                           .askText(ws.messages.line(kThresholdCaption),
                                    ws.messages.line(kThresholdPrompt), defaultText)
                           .value_or(defaultText));

    const DrawSnapshot draws = ws.readDraws();
    ws.windowStart = ws.startPicker.value;
    ws.windowEnd = ws.endPicker.value;
    const AnalysisWindow window{ws.windowStart, ws.windowEnd};
    ws.chart.clearPoints();

    std::array<ParsedRow, TipSheet::kRows> rows;
    for (int r = 0; r < TipSheet::kRows; ++r)
        rows[static_cast<std::size_t>(r)] =
            ParsedRow::of({ws.sheet.cell(r, 0), ws.sheet.cell(r, 1), ws.sheet.cell(r, 2),
                           ws.sheet.cell(r, 3), ws.sheet.cell(r, 4)},
                          ws.sheet.cell(r, TipSheet::kKeyColumn));

    SearchResult result;
    for (const DrawRecord& record : draws.records) {
        if (!isInWindow(record.date, window, StartBound::Inclusive))
            continue;
        ws.current.take(record);
        showCurrentDraw(ws, CaptionVariant::C);
        ws.tipDrawCaption = ws.drawCaption;
        const DrawnNumbers drawn = DrawnNumbers::of(ws.current);
        for (int r = 0; r < TipSheet::kRows; ++r) {
            const RowComparison hit = compareRow(rows[static_cast<std::size_t>(r)], drawn);
            ws.comparison = hit;
            const int count = hit.hitCount + (keyCounts && hit.keyHit ? 1 : 0);
            ws.sheet.setHits(r, std::to_string(hit.hitCount) + (hit.keyHit ? " + R" : ""),
                             hit.hitCount >= kRedFrom);
            if (count < threshold)
                continue;
            ++result.reached[static_cast<std::size_t>(r)];
            const DayCount date = wholeDayOf(record.date);
            result.found.push_back({date, r + 1});
            if (!ws.ui.askYesNo(ws.messages.line(kHitAt) + formatShortDate(date) +
                                    ws.messages.line(kFoundGoOn),
                                ws.messages.line(kDrawFound)))
                return result;
        }
    }
    ws.chart = rowsReachedChart(result.reached, threshold, keyCounts);
    result.completed = true;
    return result;
}

} // namespace kav
