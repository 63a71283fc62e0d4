// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawHistoryAnalysis.h"

#include "base/IntegerText.h"
#include "commands/AnalysisControl.h"
#include "commands/DrawNavigation.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "evaluation/Report.h"
#include "model/BusyCursor.h"
#include "model/NumberMask.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace kav {
namespace {

constexpr double kFirstBoundDays = 10.0;

int& counterOf(MatchTable& table, int hitCount) {
    // A locked row that holds a number twice can match more often than five times.
    return table[static_cast<std::size_t>(std::clamp(hitCount, 0, 6))];
}

// Row 1 takes the draw on display: its numbers and key as decimal text.
void writeDrawIntoRowOne(TipSheet& sheet, const CurrentDraw& current) {
    for (int i = 0; i < 5; ++i)
        sheet.setCell(0, i, std::to_string(current.number(i)));
    sheet.setCell(0, TipSheet::kKeyColumn, std::to_string(current.key()));
}

ParsedRow rowOne(const TipSheet& sheet) {
    return ParsedRow::of(
        {sheet.cell(0, 0), sheet.cell(0, 1), sheet.cell(0, 2), sheet.cell(0, 3), sheet.cell(0, 4)},
        sheet.cell(0, TipSheet::kKeyColumn));
}

// Five different numbers 1..54 as a mask; 0 when the values are not (an empty cell, a
// damaged record, a number twice).
NumberMask fiveNumberMask(const std::array<std::optional<int>, 5>& values) {
    NumberMask mask = 0;
    for (const std::optional<int>& v : values) {
        if (!v || !isDrawableNumber(*v))
            return 0;
        mask |= maskOfNumber(*v);
    }
    return std::popcount(mask) == 5 ? mask : 0;
}

NumberMask fiveNumberMask(const DrawnNumbers& drawn) {
    std::array<std::optional<int>, 5> values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = drawn.numbers[i];
    return fiveNumberMask(values);
}

// The matched numbers of row 1 with one earlier draw, as `Zettelcheck` counts them: with
// five different numbers on both sides every matching pair counts once, which is the
// size of the masks' intersection; anything else takes the comparison cell by cell.
class RowOneScan {
public:
    RowOneScan(const ParsedRow& row, const std::vector<NumberMask>& drawMasks,
               const std::vector<DrawnNumbers>& drawn)
        : row_(row), rowMask_(fiveNumberMask(row.numbers)), drawMasks_(drawMasks), drawn_(drawn) {}

    int hitCount(std::size_t i) const {
        if (rowMask_ != 0 && drawMasks_[i] != 0)
            return overlap(rowMask_, drawMasks_[i]);
        return compareRow(row_, drawn_[i]).hitCount;
    }

private:
    const ParsedRow& row_;
    NumberMask rowMask_;
    const std::vector<NumberMask>& drawMasks_;
    const std::vector<DrawnNumbers>& drawn_;
};

} // namespace

DrawHistoryResult BitBtn19Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                                RunState& run, Presentation& view) {
    const MessageTable& m = program.messages;
    DrawHistoryResult result;
    if (!askToStartAnalysis(program, drawWindow, msg::HistoryAskFrom, msg::HistoryAskRun,
                            msg::HistoryAskCaption))
        return result;
    SpeedButton5Click(program, ticket, drawWindow, view);
    view.activePage = Page::TipOverview;
    double bound = drawWindow.endPicker.value + kFirstBoundDays;
    // Abbrechen ends the analysis before the first pass, as in the search and the backtest.
    const std::optional<std::string> answer = program.ui.askText(
        m.line(msg::HistoryThresholdCaption), m.line(msg::HistoryThresholdPrompt), "5");
    if (!answer)
        return result;
    const int threshold = integerOrThrow(*answer);

    {
        const BusyCursor busy(program.ui);
        // One snapshot for the whole analysis, which never writes the draw file.
        const DrawSnapshot draws = readDrawFile(program);
        const std::vector<DrawRecord>& records = draws.records;
        std::vector<DrawnNumbers> drawn;
        std::vector<NumberMask> drawMasks;
        drawn.reserve(records.size());
        drawMasks.reserve(records.size());
        for (const DrawRecord& record : records) {
            drawn.push_back(DrawnNumbers::of(record));
            drawMasks.push_back(fiveNumberMask(drawn.back()));
        }
        // Every draw from the current one to the one before the newest (the newest alone
        // when it is current).
        RunningAnalysis analysis(program, run, view, AnalysisRun::Kind::DrawHistory,
                                 static_cast<int>(records.size()) - 1 - drawWindow.current.index);

        while (drawWindow.current.date < bound) {
            ticket.sheet.clearUnlocked();
            writeDrawIntoRowOne(ticket.sheet, drawWindow.current);
            view.status.panel0 = formatShortDate(wholeDayOf(bound));
            view.status.panel1 = formatShortDate(wholeDayOf(drawWindow.current.date));

            ticket.comparison.hitCount = 0;
            view.chart.clearPoints();
            const auto end = static_cast<double>(drawWindow.endPicker.value);
            const ParsedRow row = rowOne(ticket.sheet);
            const RowOneScan scan(row, drawMasks, drawn);
            // Each earlier draw becomes the current draw's date and slots in turn; only the
            // last one (or the one a question stops at) can be seen, so only that one is
            // taken, with its comparison.
            std::optional<std::size_t> lastCompared;
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (!(records[i].date >= drawWindow.windowStart && records[i].date < end))
                    continue;
                const int hitCount = scan.hitCount(i);
                lastCompared = i;
                ++counterOf(result.earlier, hitCount);
                if (hitCount < threshold)
                    continue;
                drawWindow.current.take(records[i]);
                ticket.comparison = compareRow(row, drawn[i]);
                if (!program.ui.askYesNo(m.line(msg::HistoryHitFoundAt) + " :" + "  " +
                                             formatShortDate(wholeDayOf(records[i].date)) + ". " +
                                             m.line(msg::HistoryGoOn),
                                         m.line(msg::HistoryDrawFound)))
                    return result;
            }
            if (lastCompared) {
                drawWindow.current.take(records[*lastCompared]);
                ticket.comparison = compareRow(row, drawn[*lastCompared]);
            }
            // The scan reads to the end of the file; an empty file leaves no bound to reach.
            bound = records.empty() ? drawWindow.current.date : records.back().date;

            SpeedButton7Click(program, ticket, drawWindow, view, &draws);
            ++counterOf(result.next, ticket.comparison.hitCount);
            if (analysis.weekDone())
                break;
        }
        if (analysis.endedByStop()) {
            result.stopped = true;
            return result;
        }
    }

    result.report = reportText(drawHistoryReportLines(m, result.earlier, result.next));
    saveAndOpenReport(program, result.report);
    result.completed = true;
    return result;
}

} // namespace kav
