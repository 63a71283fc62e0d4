// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TipCalculation.h"

#include "GeneratorTestSupport.h"
#include "base/IntegerText.h"
#include "commands/DrawReading.h"
#include "commands/ReferenceDrawSelection.h"
#include "generator/ReferenceDraws.h"
#include "model/Controls.h"
#include "support/WorkspaceFixture.h"

#include <functional>
#include <set>

namespace kav::test {
namespace {

// Lets a test act between two attempts, where the window lets pending input through.
class HookedInteraction : public ScriptedInteraction {
public:
    void processPendingInput() override {
        ++calls;
        if (hook)
            hook(calls);
    }
    int calls = 0;
    std::function<void(int)> hook;
};

class TipCalculation : public ::testing::Test {
protected:
    TipCalculation() {
        ws.ticket.evaluationSwitch = true;
        ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 1}); };
        draws = fortyDraws();
        std::string bytes;
        for (const DrawRecord& r : draws) {
            const auto encoded = r.encode();
            bytes.append(encoded.begin(), encoded.end());
        }
        writeBytes(drawFileOf(ws.program).path(), bytes);
        ws.drawWindow.endPicker.set(roundToDay(draws.back().date));
        ws.run.random.setSeed(4711);
    }

    std::array<std::string, 6> row(int r) const {
        std::array<std::string, 6> texts;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts[static_cast<std::size_t>(c)] = ws.ticket.sheet.cell(r, c);
        return texts;
    }
    void setRow(int r, const std::array<std::string, 6>& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            ws.ticket.sheet.setCell(r, c, texts[static_cast<std::size_t>(c)]);
    }
    bool isFullRow(int r) const {
        std::set<int> numbers;
        for (int c = 0; c < 5; ++c) {
            const std::optional<int> v = parseInteger(ws.ticket.sheet.cell(r, c));
            if (!v || *v < 1 || *v > 54)
                return false;
            numbers.insert(*v);
        }
        return numbers.size() == 5;
    }
    bool isEmptyRow(int r) const {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            if (!ws.ticket.sheet.cell(r, c).empty())
                return false;
        return true;
    }
    // Rows of five numbers can never hold three even and three odd numbers.
    void makeRowsImpossible() {
        ws.options.setChecked(CheckBox::MinimumEven, true);
        ws.options.setChecked(CheckBox::MinimumOdd, true);
        ws.options.setValue(UpDown::MinimumEven, 3);
        ws.options.setValue(UpDown::MinimumOdd, 3);
    }
    const std::string& message(std::size_t line) const { return ws.program.messages.line(line); }

    TemporaryFolder folder;
    HookedInteraction ui;
    Workspace ws{folder.path(), ui};
    std::vector<DrawRecord> draws;
};

TEST_F(TipCalculation, WithEveryRuleOffTheRowsToComputeAreFilled) {
    switchOffRowRules(ws.options);
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(summary.attempts, 5); // every attempt passes
    EXPECT_EQ(ws.view.status.panel1, message(msg::TipsComputed));
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(isFullRow(r)) << r;
        EXPECT_EQ(ws.ticket.sheet.cell(r, 5), ws.ticket.sheet.cell(0, 5)) << r;
        EXPECT_FALSE(ws.ticket.sheet.hits(r).empty()) << r; // evaluated at the end
    }
    EXPECT_FALSE(ws.ticket.sheet.cell(0, 5).empty());
    for (int r = 5; r < 12; ++r) {
        EXPECT_TRUE(isEmptyRow(r)) << r;
        EXPECT_EQ(ws.ticket.sheet.sum(r), "0") << r;
    }
    EXPECT_EQ(ws.view.startButtonCaption, "Tipps berechnen");
    EXPECT_TRUE(ws.ticket.evaluationSwitch);
    EXPECT_FALSE(ws.run.running);
    EXPECT_EQ(ws.view.activePage, Page::TipOverview);
}

TEST_F(TipCalculation, EqualSeedsGiveEqualSheets) {
    const auto sheetAfterRun = [&](std::uint32_t seed) {
        ws.run.random.setSeed(seed);
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
        std::vector<std::array<std::string, 6>> rows;
        for (int r = 0; r < 12; ++r)
            rows.push_back(row(r));
        return rows;
    };
    ws.options.setValue(UpDown::RowsToCompute, 12);
    ws.options.setKeyModeItem(0);
    const auto first = sheetAfterRun(99);
    EXPECT_TRUE(isFullRow(11));
    EXPECT_EQ(sheetAfterRun(99), first);
    EXPECT_NE(sheetAfterRun(100), first);
}

TEST_F(TipCalculation, DefaultRulesHoldBetweenTheRows) {
    ws.options.setValue(UpDown::RowsToCompute, 12);
    Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    std::vector<NumberMask> rows;
    for (int r = 0; r < 12; ++r) {
        ASSERT_TRUE(isFullRow(r)) << r;
        std::array<int, 5> numbers{};
        for (int c = 0; c < 5; ++c)
            numbers[static_cast<std::size_t>(c)] = *parseInteger(ws.ticket.sheet.cell(r, c));
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        const NumberMask mask = maskOf(numbers);
        for (NumberMask earlier : rows) {
            EXPECT_LE(overlap(mask, earlier), 2);
            EXPECT_GE(overlap(mask, earlier), 1);
        }
        EXPECT_EQ(overlap(mask, ReferenceDraw::of(ws.drawWindow.current).mask),
                  0); // last draw's limit 0
        rows.push_back(mask);
    }
}

TEST_F(TipCalculation, LockedRowsKeepTheirNumbersAndRowOnesKeyIsEveryRowsKey) {
    switchOffRowRules(ws.options);
    setRow(0, {"1", "2", "3", "4", "5", "7"});
    ws.ticket.sheet.setLocked(0, true);
    setRow(9, {"50", "40", "30", "20", "10", "2"}); // beyond the rows to compute
    ws.ticket.sheet.setLocked(9, true);
    Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_EQ(row(0), (std::array<std::string, 6>{"1", "2", "3", "4", "5", "7"}));
    for (int r = 1; r < 5; ++r) {
        EXPECT_TRUE(isFullRow(r));
        EXPECT_EQ(ws.ticket.sheet.cell(r, 5), "7");
    }
    // Rows 8 to 12 are written back with row 1's key; the evaluation sorts the cells.
    EXPECT_EQ(row(9), (std::array<std::string, 6>{"10", "20", "30", "40", "50", "7"}));
    for (int r : {5, 6, 7, 8, 10, 11})
        EXPECT_TRUE(isEmptyRow(r)) << r;
}

TEST_F(TipCalculation, AUsedUpBudgetLeavesRowsEmptyAndRestoresTheAdjustedOptions) {
    makeRowsImpossible();
    ws.options.setValue(UpDown::AttemptBudget, 1);
    ws.options.setChecked(CheckBox::ForcedPair, true);
    bool forcedPairAtHalf = true;
    std::string statusDuringTheRun;
    ui.hook = [&](int call) {
        if (call == 2)
            statusDuringTheRun = ws.view.status.panel1;
        if (call == 501) // attempt 500 is done
            forcedPairAtHalf = ws.options.checked(CheckBox::ForcedPair);
    };
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_EQ(summary.attempts, 1000);
    EXPECT_TRUE(summary.budgetUsedUp);
    EXPECT_EQ(ui.calls, 1000); // no row after the first makes an attempt
    EXPECT_EQ(ws.view.status.panel1, message(msg::BudgetUsedUp));
    for (int r = 0; r < 12; ++r)
        EXPECT_TRUE(isEmptyRow(r)) << r;
    EXPECT_FALSE(forcedPairAtHalf);
    EXPECT_TRUE(ws.options.checked(CheckBox::ForcedPair));
    EXPECT_EQ(statusDuringTheRun.rfind("1.Tipp:  ", 0), 0u) << statusDuringTheRun;
    EXPECT_NE(statusDuringTheRun.find("  QS: "), std::string::npos);
}

TEST_F(TipCalculation, LateRunAdjustmentsShowDuringTheRunAndAreUndoneAfterIt) {
    // Rows 1 and 2 are locked, so rows 3 and later spend the whole budget of 50000.
    switchOffRowRules(ws.options);
    makeRowsImpossible();
    setRow(0, {"1", "2", "3", "4", "5", "7"});
    setRow(1, {"1", "12", "13", "14", "15", "7"});
    ws.ticket.sheet.setLocked(0, true);
    ws.ticket.sheet.setLocked(1, true);
    struct Seen {
        int databaseMatches;
        int lastDrawLimit;
        int secondLastDrawLimit;
    };
    std::vector<std::pair<int, Seen>> seen;
    ui.hook = [&](int call) {
        if (call == 30000 || call == 30001 || call == 40001 || call == 45001)
            seen.push_back({call - 1,
                            {ws.options.value(UpDown::DatabaseMatches),
                             ws.options.value(UpDown::LastDrawLimit),
                             ws.options.value(UpDown::SecondLastDrawLimit)}});
    };
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_EQ(summary.attempts, 50000);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].second.databaseMatches, 5); // after attempt 29999
    EXPECT_EQ(seen[1].second.databaseMatches, 6); // after attempt 30000
    EXPECT_EQ(seen[2].second.lastDrawLimit, 1);
    EXPECT_EQ(seen[2].second.secondLastDrawLimit, 2);
    EXPECT_EQ(seen[3].second.lastDrawLimit, 2);
    EXPECT_EQ(seen[3].second.secondLastDrawLimit, 3);
    EXPECT_EQ(ws.options.value(UpDown::DatabaseMatches), 5);
    EXPECT_EQ(ws.options.value(UpDown::LastDrawLimit), 0);
    EXPECT_EQ(ws.options.value(UpDown::SecondLastDrawLimit), 1);
}

TEST_F(TipCalculation, ASecondPressStopsAfterTheAttemptInProgress) {
    switchOffRowRules(ws.options); // the longest-outstanding key of the fixture is not 0
    std::string captionAfterPress;
    TipRunSummary pressResult{true, -1, true};
    ui.hook = [&](int call) {
        if (call == 1) {
            pressResult =
                Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
            captionAfterPress = ws.view.startButtonCaption;
        }
    };
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_FALSE(pressResult.ran);
    EXPECT_EQ(captionAfterPress, "Tipps berechnen");
    EXPECT_EQ(summary.attempts, 1);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(ws.view.status.panel1, stoppedRunText(1, ws.options.value(UpDown::RowsToCompute)));
    // The attempt in progress skipped the key choice and was still accepted.
    EXPECT_TRUE(isFullRow(0));
    EXPECT_EQ(ws.ticket.sheet.cell(0, 5), "0");
    for (int r = 1; r < 12; ++r)
        EXPECT_TRUE(isEmptyRow(r)) << r;

    // The next press starts a new run.
    ui.hook = nullptr;
    EXPECT_EQ(
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view).attempts,
        5);
    EXPECT_NE(ws.ticket.sheet.cell(0, 5), "0");
}

TEST_F(TipCalculation, APoolOfFewerThanFiveNumbersEndsTheRunAsAUsedUpBudget) {
    switchOffPreferences(ws.options);
    ws.options.setChecked(CheckBox::PreferredNumbersOnly,
                          true); // only preferred numbers, and none preferred
    setRow(8, {"1", "2", "3", "4", "5", ""});
    ws.ticket.sheet.setLocked(8, true);
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_EQ(summary.attempts, 50000);
    EXPECT_EQ(ui.calls, 0); // not one attempt was made
    EXPECT_EQ(ws.view.status.panel1, message(msg::BudgetUsedUp));
    EXPECT_EQ(ui.messages.size(), 1u);
    // The locked row is still read: written back with row 1's key, which row 1's empty
    // result left at 0 until the evaluation emptied it.
    EXPECT_TRUE(isFullRow(8));
    EXPECT_EQ(ws.ticket.sheet.cell(8, 5), "0");
    EXPECT_EQ(ws.ticket.sheet.cell(0, 5), "");
}

TEST_F(TipCalculation, ALockedRowWithoutNumbersIsReportedAndSkipped) {
    switchOffRowRules(ws.options);
    setRow(1, {"4", "", "9", "", "", "3"});
    ws.ticket.sheet.setLocked(1, true);
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("2. Tipp"), std::string::npos);
    EXPECT_EQ(ws.ticket.sheet.cell(1, 0), "4");
    EXPECT_EQ(ws.ticket.sheet.cell(1, 2), "9");
    EXPECT_EQ(summary.attempts, 4);
    for (int r : {0, 2, 3, 4})
        EXPECT_TRUE(isFullRow(r)) << r;
    EXPECT_EQ(ws.view.status.panel1, message(msg::TipsComputed));
    EXPECT_EQ(ws.view.startButtonCaption, "Tipps berechnen");
}

TEST_F(TipCalculation, AnUnreadableDrawFilePutsTheWindowStateBack) {
    std::filesystem::remove(drawFileOf(ws.program).path());
    std::filesystem::create_directory(drawFileOf(ws.program).path());
    ws.options.setChecked(CheckBox::ForcedPair, true);
    EXPECT_THROW(Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view),
                 IoError);
    EXPECT_EQ(ws.view.startButtonCaption, "Tipps berechnen");
    EXPECT_TRUE(ws.ticket.evaluationSwitch);
    EXPECT_FALSE(ws.run.running);
    EXPECT_TRUE(ws.options.checked(CheckBox::ForcedPair));
    EXPECT_FALSE(ui.busyChanges.empty());
    EXPECT_FALSE(ui.busyChanges.back());
}

TEST_F(TipCalculation, ReferenceDrawsStepBackFromTheCurrentDraw) {
    ReferenceDraws refs = readReferenceDraws(ws.program, ws.ticket, ws.drawWindow, ws.view);
    const auto numbersAt = [&](std::size_t i) {
        std::array<int, 5> n{};
        for (int k = 0; k < 5; ++k)
            n[static_cast<std::size_t>(k)] = draws[i].number(k);
        return n;
    };
    EXPECT_EQ(refs.last.numbers, numbersAt(39));
    EXPECT_EQ(refs.secondLast.numbers, numbersAt(38));
    EXPECT_EQ(refs.thirdLast.numbers, numbersAt(37));
    EXPECT_EQ(refs.secondLast.key, draws[38].key());
    EXPECT_EQ(ws.drawWindow.current.index, 39);
    EXPECT_EQ(ws.drawWindow.endPicker.value, roundToDay(draws[39].date));

    // At the start of the file the first draw is taken again.
    ws.drawWindow.endPicker.set(roundToDay(draws[1].date));
    refs = readReferenceDraws(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(refs.secondLast.numbers, numbersAt(0));
    EXPECT_EQ(refs.thirdLast.numbers, numbersAt(0));
    EXPECT_EQ(ws.drawWindow.current.index, 1);
}

} // namespace
} // namespace kav::test
