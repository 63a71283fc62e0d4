// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/Backtest.h"

#include "app/BusyCursor.h"
#include "app/HeldDrawSnapshot.h"
#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "evaluation/AnalysisControl.h"
#include "evaluation/DrawSelection.h"
#include "generator/TipCalculation.h"

#include <cstdint>

namespace kav {
namespace {

constexpr std::size_t kDrawsLabel = 7;    // "Ziehungen : "
constexpr std::size_t kTip = 28;          // "Tipp"
constexpr std::size_t kStars = 33;        // "Sterne"
constexpr std::size_t kLuckyCaption = 35; // "Ihre Glückszahl (1-99999999)?"
constexpr std::size_t kLuckyPrompt = 36;  // "Geben Sie Ihre Glückszahl für den ..."
constexpr std::size_t kLuckyNumber = 37;  // "Glückszahl"
constexpr std::size_t kSet = 38;          // "gesetzt"
constexpr std::size_t kAskFrom = 40;      // "Soll die Analyse der Einstellungen jetzt ab dem "
constexpr std::size_t kAskRun = 41;       // "durchgeführt werden??"
constexpr std::size_t kAskCaption = 42;   // "aktuellen Tipps werden dabei gelöscht?"
constexpr std::size_t kBrought = 43;      // "Aktuelle Einstellung brachten"
constexpr std::size_t kWithoutStars = 44; // "Anzahl ohne Sterne"
constexpr std::size_t kRows = 45;         // "Reihen"
constexpr std::size_t kLuckyError = 46;   // "Fehler bei Eingabe der Zufallszahl"

constexpr int kNumberListCheckBox = 20;
constexpr int kRowsToCompute = 8;
constexpr int kDaysPerWeek = 7;

// The number list dialog would open in every week's calculation: the option is off for
// the run and comes back however the run ends.
class NumberListDialogOff {
public:
    explicit NumberListDialogOff(Options& options)
        : options_(options), was_(options.checkBox(kNumberListCheckBox)) {
        options_.setCheckBox(kNumberListCheckBox, false);
    }
    ~NumberListDialogOff() { options_.setCheckBox(kNumberListCheckBox, was_); }
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

std::vector<std::string> backtestReportLines(const MessageTable& m, const HitClassTable& classes,
                                             int draws, int rowsPerTip) {
    std::vector<std::string> lines;
    lines.push_back(m.line(kBrought) + "\n");
    lines.push_back(m.line(kWithoutStars) + "\t" + "1x " + m.line(kStars) + "\t" + "2x " +
                    m.line(kStars));
    for (std::size_t k = 0; k < classes.size(); ++k)
        lines.push_back(std::to_string(k) + "x" + "\t" + "=> " + std::to_string(classes[k][0]) +
                        "\t" + "\t" + "=> " + std::to_string(classes[k][1]) + "\t" + "\t" + "=> " +
                        std::to_string(classes[k][2]));
    const std::int64_t rows = static_cast<std::int64_t>(rowsPerTip) * draws;
    lines.push_back("\n" + m.line(kDrawsLabel) + std::to_string(draws) + "      " + m.line(kTip) +
                    ": " + std::to_string(rowsPerTip) + " => " + std::to_string(rows) +
                    m.line(kRows));
    return lines;
}

BacktestResult BitBtn9Click(Workspace& ws) {
    const MessageTable& m = ws.messages;
    BacktestResult result;
    if (!askToStartAnalysis(ws, kAskFrom, kAskRun, kAskCaption))
        return result;
    const NumberListDialogOff listOff(ws.options);

    DayCount e = ws.endPicker.value;
    SpeedButton5Click(ws);
    // The seed is shown as the signed number it is read back as, so that the proposed
    // lucky number is always one the box accepts.
    const std::string seedText = std::to_string(static_cast<std::int32_t>(ws.random.seed()));
    const std::string answer =
        ws.ui.askText(m.line(kLuckyCaption), m.line(kLuckyPrompt), seedText).value_or(seedText);

    try {
        const std::optional<int> lucky = parseInteger(answer);
        if (!lucky) {
            ws.ui.showError(m.line(kLuckyError));
            return result;
        }
        const auto seed = static_cast<std::uint32_t>(*lucky);
        ws.random.setSeed(seed);
        ws.status.panel1 = m.line(kLuckyNumber) + " " + std::to_string(*lucky) + " " + m.line(kSet);

        const HeldDrawSnapshot held(ws);
        const BusyCursor busy(ws.ui);
        RunningAnalysis run(ws, AnalysisRun::Kind::Backtest,
                            plannedWeeks(held.draws(), ws.today(), e, ws.endPicker.value));
        for (DayCount p = ws.today(); p != e && result.draws < weekLimit(held.draws());) {
            p = e;
            ws.random.setSeed(seed);
            ws.status.panel0 = formatShortDate(ws.endPicker.value);
            Label28Click(ws);
            // A stop also ends the week's tip calculation; its draw stays the current one.
            if (run.stopRequested())
                break;
            ws.endPicker.set(ws.endPicker.value + kDaysPerWeek);
            SpeedButton5Click(ws);
            ++result.draws;
            addUp(result.classes, ws.hitClasses);
            e = ws.endPicker.value;
            if (run.weekDone())
                break;
        }
        if (run.endedByStop()) {
            result.stopped = true;
            return result;
        }

        result.rowsPerTip = ws.options.upDown(kRowsToCompute);
        result.report =
            reportText(backtestReportLines(m, result.classes, result.draws, result.rowsPerTip));
        saveAndOpenReport(ws, result.report);
        result.completed = true;
    } catch (const std::exception& error) {
        // The message names the lucky number for every error of the run; the reason
        // follows, so that a full disk is not taken for a mistyped number.
        ws.ui.showError(m.line(kLuckyError) + "\n" + error.what());
    }
    return result;
}

} // namespace kav
