// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TipCalculation.h"

#include "base/IntegerText.h"
#include "commands/CandidatePoolBuild.h"
#include "commands/DrawReading.h"
#include "commands/KeyChoice.h"
#include "commands/PoolListStep.h"
#include "commands/ReferenceDrawSelection.h"
#include "commands/SheetEvaluation.h"
#include "generator/AttemptStatus.h"
#include "generator/LateRunAdjustments.h"
#include "generator/RowRules.h"

#include <optional>

namespace kav {
namespace {

constexpr int kKeyRow = 0;

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
    TipRun(ProgramContext& program, Options& options, Ticket& ticket, DrawWindow& drawWindow,
           RunState& run, Presentation& view, const DrawSnapshot* given, int budget)
        : program_(program), options_(options), ticket_(ticket), drawWindow_(drawWindow), run_(run),
          view_(view), given_(given), budget_(budget) {}

    TipRunSummary run() {
        const ReferenceDraws references =
            readReferenceDraws(program_, ticket_, drawWindow_, view_, given_);
        ticket_.sheet.clearUnlocked();
        std::optional<DrawSnapshot> read;
        const DrawSnapshot& draws = given_ ? *given_ : read.emplace(readDrawFile(program_));
        CandidatePool pool = buildCandidatePool(program_, options_, ticket_, drawWindow_, run_,
                                                view_, draws, references);
        if (options_.checked(CheckBox::ShowNumberList) && !offerPoolList(program_, pool)) {
            TipRunSummary abandoned;
            abandoned.ran = true;
            abandoned.abandoned = true;
            return abandoned;
        }

        view_.status.panel1 = program_.messages.line(msg::TipCalculationStarts);
        run_.running = true;
        view_.activePage = Page::TipOverview;
        RowRules rules(draws);
        KeyChoice keys(program_, options_, ticket_, drawWindow_, run_, view_, draws);
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            if (ticket_.sheet.locked(r - 1))
                takeLockedRow(r);
            else
                writeRow(r, computeRow(r, pool, rules, keys, references));
        }
        return {true, attempts_, attempts_ >= budget_};
    }

private:
    CandidateRow computeRow(int r, const CandidatePool& pool, RowRules& rules, KeyChoice& keys,
                            const ReferenceDraws& references) {
        const int rowsToCompute = options_.value(UpDown::RowsToCompute);
        if (r > 1 && (attempts_ >= budget_ || r > rowsToCompute))
            return {};
        if (attempts_ < budget_ && !run_.stopRequested && pool.distinctNumbers() < 5)
            giveUpForSmallPool();

        const std::span<const NumberMask> earlier(accepted_.data(),
                                                  static_cast<std::size_t>(r - 1));
        const auto poolSize = static_cast<std::uint32_t>(pool.size());
        CandidateRow candidate;
        bool accepted = false;
        while (!accepted && attempts_ < budget_ && !run_.stopRequested) {
            program_.ui.processPendingInput();
            ++attempts_;
            applyLateRunAdjustments(options_, attempts_, budget_, r);

            NumberMask mask = 0;
            for (int drawn = 0; drawn < 5;) {
                const NumberMask bit = maskOfNumber(pool[run_.random.next(poolSize)]);
                if ((mask & bit) == 0) {
                    mask |= bit;
                    ++drawn;
                }
            }
            const int key = run_.stopRequested ? 0 : keys.choose(references);
            candidate = CandidateRow::fromMask(mask, key);
            if (statusThrottle_.due())
                view_.status.panel1 =
                    attemptStatusText(r, candidate, program_.messages.line(msg::Tip));
            accepted = rules.accepts(options_, drawWindow_, candidate, r, earlier, references);
        }
        return attempts_ >= budget_ || !accepted ? CandidateRow{} : candidate;
    }

    // A pool with fewer than five different numbers cannot fill a row: the run ends as if
    // the budget were used up, without counting an attempt.
    void giveUpForSmallPool() {
        attempts_ = budget_;
        program_.ui.showMessage(
            "Die Liste der Zahlen für die Tippberechnung enthält weniger als fünf "
            "verschiedene Zahlen, daraus lässt sich kein Tipp bilden. Ändern Sie "
            "die Einstellungen auf den Seiten \"Statistisch\", \"Schein "
            "Optimierung\" und \"Allgemein\".",
            program_.messages.line(msg::Tip));
    }

    void writeRow(int r, const CandidateRow& row) {
        TipSheet& sheet = ticket_.sheet;
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
        TipSheet& sheet = ticket_.sheet;
        const int i = r - 1;
        const std::optional<std::array<int, 5>> numbers = readLockedRow(sheet, i);
        if (!numbers) {
            // Counted as a row without numbers; its cells stay as they are.
            program_.ui.showMessage("Der gesperrte " + std::to_string(r) + ". " +
                                        program_.messages.line(msg::Tip) +
                                        " enthält nicht in jedem Feld eine Zahl und wird bei der "
                                        "Berechnung übergangen.",
                                    program_.messages.line(msg::Tip));
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

    ProgramContext& program_;
    Options& options_;
    Ticket& ticket_;
    DrawWindow& drawWindow_;
    RunState& run_;
    Presentation& view_;
    const DrawSnapshot* given_;
    const int budget_;
    int attempts_ = 0;
    std::array<NumberMask, TipSheet::kRows> accepted_{};
    AttemptStatusThrottle statusThrottle_;
};

// The end of every run, also of one that ends with an error: the evaluation switch on,
// the normal cursor, the adjusted options back, the idle caption.
void endRun(const ProgramContext& program, Options& options, Ticket& ticket, RunState& run,
            Presentation& view, const AdjustedOptions& saved) {
    ticket.evaluationSwitch = true;
    program.ui.setBusy(false);
    saved.restore(options);
    run.running = false;
    run.calculating = false;
    run.stopRequested = false;
    view.startButtonCaption = view.idleCaption;
}

} // namespace

std::string stoppedRunText(int filled, int wanted) {
    return "Berechnung gestoppt: " + std::to_string(filled) + " von " + std::to_string(wanted) +
           " Tipps berechnet.";
}

TipRunSummary Label28Click(ProgramContext& program, Options& options, Ticket& ticket,
                           DrawWindow& drawWindow, RunState& run, Presentation& view,
                           const DrawSnapshot* draws) {
    if (view.idleCaption.empty())
        view.idleCaption = view.startButtonCaption;
    if (run.showsStop()) {
        run.stopRequested = true;
        view.startButtonCaption = view.idleCaption;
        return {};
    }
    // A run that was just told to stop has not yet seen it; it must end before another
    // run can start inside it.
    if (run.calculating)
        return {};
    run.calculating = true;
    run.stopRequested = false;
    view.startButtonCaption = program.messages.line(msg::Stop);

    ticket.evaluationSwitch = false;
    const int budget = options.value(UpDown::AttemptBudget) * 1000;
    const AdjustedOptions saved(options);
    program.ui.setBusy(true);
    TipRunSummary summary;
    try {
        summary = TipRun(program, options, ticket, drawWindow, run, view, draws, budget).run();
    } catch (...) {
        endRun(program, options, ticket, run, view, saved);
        throw;
    }
    if (summary.abandoned) {
        endRun(program, options, ticket, run, view, saved);
        return summary;
    }
    ticket.evaluationSwitch = true;
    Komplettcheck(program, ticket, drawWindow);
    view.status.panel1 =
        program.messages.line(summary.budgetUsedUp ? msg::BudgetUsedUp : msg::TipsComputed);
    // A run stopped before its rows were done did not compute the tips anew: say so.
    const int wanted = options.value(UpDown::RowsToCompute);
    int filled = 0;
    for (int row = 0; row < wanted; ++row)
        filled += ticket.sheet.cell(row, 0).empty() ? 0 : 1;
    summary.stopped = run.stopRequested && filled < wanted;
    if (summary.stopped)
        view.status.panel1 = stoppedRunText(filled, wanted);
    endRun(program, options, ticket, run, view, saved);
    return summary;
}

} // namespace kav
