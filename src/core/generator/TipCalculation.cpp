// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TipCalculation.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "evaluation/HitEvaluation.h"
#include "generator/AttemptStatus.h"
#include "generator/CandidatePoolBuild.h"
#include "generator/KeyChoice.h"
#include "generator/LateRunAdjustments.h"
#include "generator/PoolListStep.h"
#include "generator/ReferenceDraws.h"
#include "generator/RowRules.h"

#include <optional>

namespace kav {
namespace {

constexpr int kKeyRow = 0;

bool stopRequested(const Workspace& ws) {
    return ws.startButtonCaption != ws.messages.line(msg::Stop);
}

// The numbers of a locked row; its key comes from row 1's key cell (row 6 reads its own
// key cell first). nullopt when a cell does not hold an integer.
std::optional<std::array<int, 5>> readLockedRow(const TipSheet& sheet, int row) {
    std::array<int, 5> numbers{};
    for (int c = 0; c < 5; ++c) {
        const std::optional<int> v = parseInteger(sheet.cell(row, c));
        if (!v)
            return std::nullopt;
        numbers[static_cast<std::size_t>(c)] = *v;
    }
    if (row == 5 && !parseInteger(sheet.cell(row, TipSheet::kKeyColumn)))
        return std::nullopt;
    if (!parseInteger(sheet.cell(kKeyRow, TipSheet::kKeyColumn)))
        return std::nullopt;
    return numbers;
}

// One run from the reference draws to the last row; the caller puts the window state
// back however it ends.
class TipRun {
public:
    TipRun(Workspace& ws, int budget) : ws_(ws), budget_(budget) {}

    TipRunSummary run() {
        const ReferenceDraws references = readReferenceDraws(ws_);
        ws_.sheet.clearUnlocked();
        const DrawSnapshot draws = ws_.readDraws();
        CandidatePool pool = buildCandidatePool(ws_, draws, references);
        if (ws_.options.checkBox(20) && !offerPoolList(ws_, pool)) {
            TipRunSummary abandoned;
            abandoned.ran = true;
            abandoned.abandoned = true;
            return abandoned;
        }

        ws_.status.panel1 = ws_.messages.line(msg::TipCalculationStarts);
        ws_.running = true;
        ws_.activePage = Page::TipOverview;
        RowRules rules(draws);
        KeyChoice keys(draws);
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            if (ws_.sheet.locked(r - 1))
                takeLockedRow(r);
            else
                writeRow(r, computeRow(r, pool, rules, keys, references));
        }
        return {true, attempts_, attempts_ >= budget_};
    }

private:
    CandidateRow computeRow(int r, const CandidatePool& pool, RowRules& rules, KeyChoice& keys,
                            const ReferenceDraws& references) {
        const int rowsToCompute = ws_.options.upDown(8);
        if (r > 1 && (attempts_ >= budget_ || r > rowsToCompute))
            return {};
        if (attempts_ < budget_ && !stopRequested(ws_) && pool.distinctNumbers() < 5)
            giveUpForSmallPool();

        const std::span<const NumberMask> earlier(accepted_.data(),
                                                  static_cast<std::size_t>(r - 1));
        const auto poolSize = static_cast<std::uint32_t>(pool.size());
        CandidateRow candidate;
        bool accepted = false;
        while (!accepted && attempts_ < budget_ && !stopRequested(ws_)) {
            ws_.ui.processPendingInput();
            ++attempts_;
            applyLateRunAdjustments(ws_.options, attempts_, budget_, r);

            NumberMask mask = 0;
            for (int drawn = 0; drawn < 5;) {
                const NumberMask bit = maskOfNumber(pool[ws_.random.next(poolSize)]);
                if ((mask & bit) == 0) {
                    mask |= bit;
                    ++drawn;
                }
            }
            const int key = stopRequested(ws_) ? 0 : keys.choose(ws_, references);
            candidate = CandidateRow::fromMask(mask, key);
            if (statusThrottle_.due())
                ws_.status.panel1 = attemptStatusText(r, candidate, ws_.messages.line(msg::Tip));
            accepted = rules.accepts(ws_, candidate, r, earlier, references);
        }
        return attempts_ >= budget_ || !accepted ? CandidateRow{} : candidate;
    }

    // A pool with fewer than five different numbers cannot fill a row: the run ends as if
    // the budget were used up, without counting an attempt.
    void giveUpForSmallPool() {
        attempts_ = budget_;
        ws_.ui.showMessage("Die Liste der Zahlen für die Tippberechnung enthält weniger als fünf "
                           "verschiedene Zahlen, daraus lässt sich kein Tipp bilden. Ändern Sie "
                           "die Einstellungen auf den Seiten \"Statistisch\", \"Schein "
                           "Optimierung\" und \"Allgemein\".",
                           ws_.messages.line(msg::Tip));
    }

    void writeRow(int r, const CandidateRow& row) {
        TipSheet& sheet = ws_.sheet;
        const int i = r - 1;
        for (int c = 0; c < 5; ++c)
            sheet.setCell(i, c, std::to_string(row.numbers[static_cast<std::size_t>(c)]));
        sheet.setSum(i, std::to_string(row.crossSum));
        if (i == kKeyRow)
            sheet.setCell(i, TipSheet::kKeyColumn, std::to_string(row.key));
        else
            sheet.setCell(i, TipSheet::kKeyColumn, sheet.cell(kKeyRow, TipSheet::kKeyColumn));
        accepted_[static_cast<std::size_t>(i)] = row.mask;
    }

    void takeLockedRow(int r) {
        TipSheet& sheet = ws_.sheet;
        const int i = r - 1;
        const std::optional<std::array<int, 5>> numbers = readLockedRow(sheet, i);
        if (!numbers) {
            // Counted as a row without numbers; its cells stay as they are.
            ws_.ui.showMessage("Der gesperrte " + std::to_string(r) + ". " +
                                   ws_.messages.line(msg::Tip) +
                                   " enthält nicht in jedem Feld eine Zahl und wird bei der "
                                   "Berechnung übergangen.",
                               ws_.messages.line(msg::Tip));
            accepted_[static_cast<std::size_t>(i)] = 0;
            return;
        }
        if (r >= 8) {
            for (int c = 0; c < 5; ++c)
                sheet.setCell(i, c, std::to_string((*numbers)[static_cast<std::size_t>(c)]));
            sheet.setCell(i, TipSheet::kKeyColumn, sheet.cell(kKeyRow, TipSheet::kKeyColumn));
        }
        accepted_[static_cast<std::size_t>(i)] = maskOf(*numbers);
    }

    Workspace& ws_;
    const int budget_;
    int attempts_ = 0;
    std::array<NumberMask, TipSheet::kRows> accepted_{};
    AttemptStatusThrottle statusThrottle_;
};

// The end of every run, also of one that ends with an error: the evaluation switch on,
// the normal cursor, the adjusted options back, the idle caption.
void endRun(Workspace& ws, const AdjustedOptions& saved) {
    ws.evaluationSwitch = true;
    ws.ui.setBusy(false);
    saved.restore(ws.options);
    ws.running = false;
    ws.startButtonCaption = ws.idleCaption;
}

} // namespace

TipRunSummary Label28Click(Workspace& ws) {
    if (ws.idleCaption.empty())
        ws.idleCaption = ws.startButtonCaption;
    if (ws.startButtonCaption == ws.messages.line(msg::Stop)) {
        ws.startButtonCaption = ws.idleCaption;
        return {};
    }
    // A run that was just told to stop has not yet seen it; it must end before another
    // run can start inside it.
    if (ws.running)
        return {};
    ws.startButtonCaption = ws.messages.line(msg::Stop);

    ws.evaluationSwitch = false;
    const int budget = ws.options.upDown(7) * 1000;
    const AdjustedOptions saved(ws.options);
    ws.ui.setBusy(true);
    TipRunSummary summary;
    try {
        summary = TipRun(ws, budget).run();
    } catch (...) {
        endRun(ws, saved);
        throw;
    }
    if (summary.abandoned) {
        endRun(ws, saved);
        return summary;
    }
    ws.evaluationSwitch = true;
    Komplettcheck(ws);
    ws.status.panel1 =
        ws.messages.line(summary.budgetUsedUp ? msg::BudgetUsedUp : msg::TipsComputed);
    endRun(ws, saved);
    return summary;
}

} // namespace kav
