// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Backtest.h"

#include "base/IntegerText.h"
#include "commands/AnalysisControl.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/TipCalculation.h"
#include "evaluation/BacktestReport.h"
#include "evaluation/Report.h"
#include "model/BusyCursor.h"

#include <cstdint>

namespace kav {
namespace {

constexpr int kDaysPerWeek = 7;

// The number list dialog would open in every week's calculation: the option is off for
// the run and comes back however the run ends.
class NumberListDialogOff {
public:
    explicit NumberListDialogOff(Options& options)
        : options_(options), was_(options.checked(CheckBox::ShowNumberList)) {
        options_.setChecked(CheckBox::ShowNumberList, false);
    }
    ~NumberListDialogOff() { options_.setChecked(CheckBox::ShowNumberList, was_); }
    NumberListDialogOff(const NumberListDialogOff&) = delete;
    NumberListDialogOff& operator=(const NumberListDialogOff&) = delete;

private:
    Options& options_;
    bool was_;
};

// The day the selection of the current draw moves the end date to: the first draw on or
// after `day`, or the newest draw.
DayCount selectedDay(const DrawSnapshot& draws, DayCount day) {
    for (const DrawRecord& record : draws.records)
        if (record.date >= day)
            return roundToDay(record.date);
    return roundToDay(draws.records.back().date);
}

// A file in date order reaches the newest draw after at most one week per draw; a damaged
// file out of order could send the steps round in a circle, and this ends them.
int weekLimit(const DrawSnapshot& draws) {
    return static_cast<int>(draws.size()) + 2;
}

// The weeks the replay will take, stepped through as the loop steps.
int plannedWeeks(const DrawSnapshot& draws, DayCount today, DayCount startDay, DayCount selected) {
    if (draws.empty())
        return 1;
    int weeks = 0;
    for (DayCount p = today, e = startDay, picker = selected; p != e && weeks < weekLimit(draws);
         ++weeks) {
        p = e;
        picker = selectedDay(draws, picker + kDaysPerWeek);
        e = picker;
    }
    return weeks;
}

void addUp(HitClassTable& sum, const HitClassTable& week) {
    for (std::size_t k = 0; k < sum.size(); ++k)
        for (std::size_t c = 0; c < sum[k].size(); ++c)
            sum[k][c] += week[k][c];
}

} // namespace

BacktestResult BitBtn9Click(ProgramContext& program, Options& options, Ticket& ticket,
                            DrawWindow& drawWindow, RunState& run, Presentation& view) {
    const MessageTable& m = program.messages;
    BacktestResult result;
    if (!askToStartAnalysis(program, drawWindow, msg::BacktestAskFrom, msg::BacktestAskRun,
                            msg::BacktestAskCaption))
        return result;
    const NumberListDialogOff listOff(options);

    DayCount e = drawWindow.endPicker.value;
    SpeedButton5Click(program, ticket, drawWindow, view);
    // The seed is shown as the signed number it is read back as, so that the proposed
    // lucky number is always one the box accepts.
    const std::string seedText = std::to_string(static_cast<std::int32_t>(run.random.seed()));
    // Abbrechen ends the backtest before the first week: the sheet stays as it is.
    const std::optional<std::string> answer = program.ui.askText(
        m.line(msg::LuckyNumberCaption), m.line(msg::LuckyNumberPrompt), seedText);
    if (!answer)
        return result;

    try {
        const std::optional<int> lucky = parseInteger(*answer);
        if (!lucky) {
            program.ui.showError(m.line(msg::LuckyNumberError));
            return result;
        }
        const auto seed = static_cast<std::uint32_t>(*lucky);
        run.random.setSeed(seed);
        view.status.panel1 = m.line(msg::LuckyNumber) + " " + std::to_string(*lucky) + " " +
                             m.line(msg::LuckyNumberSet);

        // One snapshot for the whole replay: it never writes the draw file, and the window
        // takes no other command meanwhile, so this is what re-reading it every week gives.
        const DrawSnapshot draws = readDrawFile(program);
        const BusyCursor busy(program.ui);
        RunningAnalysis analysis(
            program, run, view, AnalysisRun::Kind::Backtest,
            plannedWeeks(draws, program.today(), e, drawWindow.endPicker.value));
        for (DayCount p = program.today(); p != e && result.draws < weekLimit(draws);) {
            p = e;
            run.random.setSeed(seed);
            view.status.panel0 = formatShortDate(drawWindow.endPicker.value);
            Label28Click(program, options, ticket, drawWindow, run, view, &draws);
            // A stop also ends the week's tip calculation; its draw stays the current one.
            if (analysis.stopRequested())
                break;
            drawWindow.endPicker.set(drawWindow.endPicker.value + kDaysPerWeek);
            SpeedButton5Click(program, ticket, drawWindow, view, &draws);
            ++result.draws;
            addUp(result.classes, ticket.hitClasses);
            e = drawWindow.endPicker.value;
            if (analysis.weekDone())
                break;
        }
        if (analysis.endedByStop()) {
            result.stopped = true;
            return result;
        }

        result.rowsPerTip = options.value(UpDown::RowsToCompute);
        result.report =
            reportText(backtestReportLines(m, result.classes, result.draws, result.rowsPerTip));
        saveAndOpenReport(program, result.report);
        result.completed = true;
    } catch (const std::exception& error) {
        // The message names the lucky number for every error of the run; the reason
        // follows, so that a full disk is not taken for a mistyped number.
        program.ui.showError(m.line(msg::LuckyNumberError) + "\n" + error.what());
    }
    return result;
}

} // namespace kav
