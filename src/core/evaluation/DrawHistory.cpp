// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/DrawHistory.h"

#include "app/BusyCursor.h"
#include "app/HeldDrawSnapshot.h"
#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "draws/DrawNavigation.h"
#include "evaluation/AnalysisControl.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"
#include "generator/NumberMask.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace kav {
namespace {

constexpr std::size_t kAskFrom = 55;          // "Soll die Analyse der Datenbank jetzt ab dem"
constexpr std::size_t kAskRun = 56;           // "durchgeführt werden??"
constexpr std::size_t kAskCaption = 57;       // "aktuellen Tipps werden dabei gelöscht?"
constexpr std::size_t kThresholdCaption = 58; // "Bei wievielen Zahlen Übereinstellung stoppen?"
constexpr std::size_t kThresholdPrompt = 59;  // "Ziehungsergebnis vergleichen"
constexpr std::size_t kHitFoundAt = 60;       // "Ein Treffer gefunden am"
constexpr std::size_t kGoOn = 61;             // "Weiter?"
constexpr std::size_t kDrawFound = 62;        // "Ziehung gefunden"
constexpr std::size_t kEarlierDraws = 63;     // "Treffer von Ziehungen in der Datenbank"
constexpr std::size_t kNextDraw = 64;         // "Wie oft gab es bei der nächsten Ziehung ..."

constexpr double kFirstBoundDays = 10.0;

int& counterOf(MatchTable& table, int hitCount) {
    // A locked row that holds a number twice can match more often than five times.
    return table[static_cast<std::size_t>(std::clamp(hitCount, 0, 6))];
}

// Row 1 takes the draw on display: its numbers and key as decimal text.
void writeDrawIntoRowOne(Workspace& ws) {
    for (int i = 0; i < 5; ++i)
        ws.sheet.setCell(0, i, std::to_string(ws.current.number(i)));
    ws.sheet.setCell(0, TipSheet::kKeyColumn, std::to_string(ws.current.key()));
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

std::vector<std::string> drawHistoryReportLines(const MessageTable& m, const MatchTable& earlier,
                                                const MatchTable& next) {
    std::vector<std::string> lines{m.line(kEarlierDraws)};
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "x    =>" + std::to_string(earlier[k]));
    lines.emplace_back(" ");
    lines.push_back(m.line(kNextDraw));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "x    =>" + std::to_string(next[k]));
    return lines;
}

DrawHistoryResult BitBtn19Click(Workspace& ws) {
    const MessageTable& m = ws.messages;
    DrawHistoryResult result;
    if (!askToStartAnalysis(ws, kAskFrom, kAskRun, kAskCaption))
        return result;
    SpeedButton5Click(ws);
    ws.activePage = Page::TipOverview;
    double bound = ws.endPicker.value + kFirstBoundDays;
    const int threshold = integerOrThrow(
        ws.ui.askText(m.line(kThresholdCaption), m.line(kThresholdPrompt), "5").value_or("5"));

    {
        const BusyCursor busy(ws.ui);
        const HeldDrawSnapshot held(ws);
        const std::vector<DrawRecord>& records = held.draws().records;
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
        RunningAnalysis run(ws, AnalysisRun::Kind::DrawHistory,
                            static_cast<int>(records.size()) - 1 - ws.current.index);

        while (ws.current.date < bound) {
            ws.sheet.clearUnlocked();
            writeDrawIntoRowOne(ws);
            ws.status.panel0 = formatShortDate(wholeDayOf(bound));
            ws.status.panel1 = formatShortDate(wholeDayOf(ws.current.date));

            ws.comparison.hitCount = 0;
            ws.chart.clearPoints();
            const auto end = static_cast<double>(ws.endPicker.value);
            const ParsedRow row = rowOne(ws.sheet);
            const RowOneScan scan(row, drawMasks, drawn);
            // Each earlier draw becomes the current draw's date and slots in turn; only the
            // last one (or the one a question stops at) can be seen, so only that one is
            // taken, with its comparison.
            std::optional<std::size_t> lastCompared;
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (!(records[i].date >= ws.windowStart && records[i].date < end))
                    continue;
                const int hitCount = scan.hitCount(i);
                lastCompared = i;
                ++counterOf(result.earlier, hitCount);
                if (hitCount < threshold)
                    continue;
                ws.current.take(records[i]);
                ws.comparison = compareRow(row, drawn[i]);
                if (!ws.ui.askYesNo(m.line(kHitFoundAt) + " :" + "  " +
                                        formatShortDate(wholeDayOf(records[i].date)) + ". " +
                                        m.line(kGoOn),
                                    m.line(kDrawFound)))
                    return result;
            }
            if (lastCompared) {
                ws.current.take(records[*lastCompared]);
                ws.comparison = compareRow(row, drawn[*lastCompared]);
            }
            // The scan reads to the end of the file; an empty file leaves no bound to reach.
            bound = records.empty() ? ws.current.date : records.back().date;

            SpeedButton7Click(ws);
            ++counterOf(result.next, ws.comparison.hitCount);
            if (run.weekDone())
                break;
        }
        if (run.endedByStop()) {
            result.stopped = true;
            return result;
        }
    }

    result.report = reportText(drawHistoryReportLines(m, result.earlier, result.next));
    saveAndOpenReport(ws, result.report);
    result.completed = true;
    return result;
}

} // namespace kav
