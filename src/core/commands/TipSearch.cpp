// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TipSearch.h"

#include "base/IntegerText.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "stats/ChartAxis.h"
#include "stats/WindowDraws.h"

namespace kav {
namespace {

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

SearchResult SpeedButton4Click(ProgramContext& program, const Options& options, Ticket& ticket,
                               DrawWindow& drawWindow, Presentation& view) {
    const bool keyCounts = options.checked(CheckBox::KeyCountsAsHit);
    const std::string defaultText = keyCounts ? "7" : "5";
    // Abbrechen ends the search before anything happens.
    const std::optional<std::string> answer =
        program.ui.askText(program.messages.line(msg::SearchThresholdCaption),
                           program.messages.line(msg::SearchThresholdPrompt), defaultText);
    if (!answer)
        return {};
    const int threshold = integerOrThrow(*answer);

    const DrawSnapshot draws = readDrawFile(program);
    drawWindow.windowStart = drawWindow.startPicker.value;
    drawWindow.windowEnd = drawWindow.endPicker.value;
    const AnalysisWindow window{drawWindow.windowStart, drawWindow.windowEnd};
    view.chart.clearPoints();

    TipSheet& sheet = ticket.sheet;
    std::array<ParsedRow, TipSheet::kRows> rows;
    for (int r = 0; r < TipSheet::kRows; ++r)
        rows[static_cast<std::size_t>(r)] =
            ParsedRow::of({sheet.cell(r, 0), sheet.cell(r, 1), sheet.cell(r, 2), sheet.cell(r, 3),
                           sheet.cell(r, 4)},
                          sheet.cell(r, TipSheet::kKeyColumn));

    SearchResult result;
    for (const DrawRecord& record : draws.records) {
        if (!isInWindow(record.date, window, StartBound::Inclusive))
            continue;
        drawWindow.current.take(record);
        showCurrentDraw(program, drawWindow, view, CaptionVariant::C);
        view.tipDrawCaption = view.drawCaption;
        const DrawnNumbers drawn = DrawnNumbers::of(drawWindow.current);
        for (int r = 0; r < TipSheet::kRows; ++r) {
            const RowComparison hit = compareRow(rows[static_cast<std::size_t>(r)], drawn);
            ticket.comparison = hit;
            const int count = hit.hitCount + (keyCounts && hit.keyHit ? 1 : 0);
            sheet.setHits(r, std::to_string(hit.hitCount) + (hit.keyHit ? " + R" : ""),
                          hit.hitCount >= kRedFrom);
            if (count < threshold)
                continue;
            ++result.reached[static_cast<std::size_t>(r)];
            const DayCount date = wholeDayOf(record.date);
            result.found.push_back({date, r + 1});
            if (!program.ui.askYesNo(program.messages.line(msg::SearchHitAt) +
                                         formatShortDate(date) +
                                         program.messages.line(msg::SearchFoundGoOn),
                                     program.messages.line(msg::SearchDrawFound)))
                return result;
        }
    }
    view.chart = rowsReachedChart(result.reached, threshold, keyCounts);
    result.completed = true;
    return result;
}

} // namespace kav
