// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TipCalculation.h"

#include "GeneratorTestSupport.h"
#include "base/IntegerText.h"
#include "generator/ReferenceDraws.h"
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
        ws.evaluationSwitch = true;
        ws.todayProvider = [] { return dayCountFromCivil({2024, 6, 1}); };
        draws = fortyDraws();
        std::string bytes;
        for (const DrawRecord& r : draws) {
            const auto encoded = r.encode();
            bytes.append(encoded.begin(), encoded.end());
        }
        writeBytes(ws.drawFile().path(), bytes);
        ws.endPicker.set(roundToDay(draws.back().date));
        ws.random.setSeed(4711);
    }

    std::array<std::string, 6> row(int r) const {
        std::array<std::string, 6> texts;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts[static_cast<std::size_t>(c)] = ws.sheet.cell(r, c);
        return texts;
    }
    void setRow(int r, const std::array<std::string, 6>& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            ws.sheet.setCell(r, c, texts[static_cast<std::size_t>(c)]);
    }
    bool isFullRow(int r) const {
        std::set<int> numbers;
        for (int c = 0; c < 5; ++c) {
            const std::optional<int> v = parseInteger(ws.sheet.cell(r, c));
            if (!v || *v < 1 || *v > 54)
                return false;
            numbers.insert(*v);
        }
        return numbers.size() == 5;
    }
    bool isEmptyRow(int r) const {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            if (!ws.sheet.cell(r, c).empty())
                return false;
        return true;
    }
    // Rows of five numbers can never hold three even and three odd numbers.
    void makeRowsImpossible() {
        ws.options.setCheckBox(25, true);
        ws.options.setCheckBox(26, true);
        ws.options.setUpDown(15, 3);
        ws.options.setUpDown(16, 3);
    }
    const std::string& message(std::size_t line) const { return ws.messages.line(line); }

    TemporaryFolder folder;
    HookedInteraction ui;
    Workspace ws{folder.path(), ui};
    std::vector<DrawRecord> draws;
};

TEST_F(TipCalculation, WithEveryRuleOffTheRowsToComputeAreFilled) {
    switchOffRowRules(ws.options);
    const TipRunSummary summary = Label28Click(ws);

    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(summary.attempts, 5); // every attempt passes
    EXPECT_EQ(ws.status.panel1, message(msg::TipsComputed));
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(isFullRow(r)) << r;
        EXPECT_EQ(ws.sheet.cell(r, 5), ws.sheet.cell(0, 5)) << r;
        EXPECT_FALSE(ws.sheet.hits(r).empty()) << r; // evaluated at the end
    }
    EXPECT_FALSE(ws.sheet.cell(0, 5).empty());
    for (int r = 5; r < 12; ++r) {
        EXPECT_TRUE(isEmptyRow(r)) << r;
        EXPECT_EQ(ws.sheet.sum(r), "0") << r;
    }
    EXPECT_EQ(ws.startButtonCaption, "Tipps berechnen");
    EXPECT_TRUE(ws.evaluationSwitch);
    EXPECT_FALSE(ws.running);
    EXPECT_EQ(ws.activePage, Page::TipOverview);
}

TEST_F(TipCalculation, EqualSeedsGiveEqualSheets) {
    const auto sheetAfterRun = [&](std::uint32_t seed) {
        ws.random.setSeed(seed);
        Label28Click(ws);
        std::vector<std::array<std::string, 6>> rows;
        for (int r = 0; r < 12; ++r)
            rows.push_back(row(r));
        return rows;
    };
    ws.options.setUpDown(8, 12);
    ws.options.setRadioGroup1(0);
    const auto first = sheetAfterRun(99);
    EXPECT_TRUE(isFullRow(11));
    EXPECT_EQ(sheetAfterRun(99), first);
    EXPECT_NE(sheetAfterRun(100), first);
}

TEST_F(TipCalculation, DefaultRulesHoldBetweenTheRows) {
    ws.options.setUpDown(8, 12);
    Label28Click(ws);
    std::vector<NumberMask> rows;
    for (int r = 0; r < 12; ++r) {
        ASSERT_TRUE(isFullRow(r)) << r;
        std::array<int, 5> numbers{};
        for (int c = 0; c < 5; ++c)
            numbers[static_cast<std::size_t>(c)] = *parseInteger(ws.sheet.cell(r, c));
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        const NumberMask mask = maskOf(numbers);
        for (NumberMask earlier : rows) {
            EXPECT_LE(overlap(mask, earlier), 2);
            EXPECT_GE(overlap(mask, earlier), 1);
        }
        EXPECT_EQ(overlap(mask, ReferenceDraw::of(ws.current).mask), 0); // last draw's limit 0
        rows.push_back(mask);
    }
}

TEST_F(TipCalculation, LockedRowsKeepTheirNumbersAndRowOnesKeyIsEveryRowsKey) {
    switchOffRowRules(ws.options);
    setRow(0, {"1", "2", "3", "4", "5", "7"});
    ws.sheet.setLocked(0, true);
    setRow(9, {"50", "40", "30", "20", "10", "2"}); // beyond the rows to compute
    ws.sheet.setLocked(9, true);
    Label28Click(ws);

    EXPECT_EQ(row(0), (std::array<std::string, 6>{"1", "2", "3", "4", "5", "7"}));
    for (int r = 1; r < 5; ++r) {
        EXPECT_TRUE(isFullRow(r));
        EXPECT_EQ(ws.sheet.cell(r, 5), "7");
    }
    // Rows 8 to 12 are written back with row 1's key; the evaluation sorts the cells.
    EXPECT_EQ(row(9), (std::array<std::string, 6>{"10", "20", "30", "40", "50", "7"}));
    for (int r : {5, 6, 7, 8, 10, 11})
        EXPECT_TRUE(isEmptyRow(r)) << r;
}

TEST_F(TipCalculation, AUsedUpBudgetLeavesRowsEmptyAndRestoresTheAdjustedOptions) {
    makeRowsImpossible();
    ws.options.setUpDown(7, 1);
    ws.options.setCheckBox(8, true);
    bool forcedPairAtHalf = true;
    std::string statusDuringTheRun;
    ui.hook = [&](int call) {
        if (call == 2)
            statusDuringTheRun = ws.status.panel1;
        if (call == 501) // attempt 500 is done
            forcedPairAtHalf = ws.options.checkBox(8);
    };
    const TipRunSummary summary = Label28Click(ws);

    EXPECT_EQ(summary.attempts, 1000);
    EXPECT_TRUE(summary.budgetUsedUp);
    EXPECT_EQ(ui.calls, 1000); // no row after the first makes an attempt
    EXPECT_EQ(ws.status.panel1, message(msg::BudgetUsedUp));
    for (int r = 0; r < 12; ++r)
        EXPECT_TRUE(isEmptyRow(r)) << r;
    EXPECT_FALSE(forcedPairAtHalf);
    EXPECT_TRUE(ws.options.checkBox(8));
    EXPECT_EQ(statusDuringTheRun.rfind("1.Tipp:  ", 0), 0u) << statusDuringTheRun;
    EXPECT_NE(statusDuringTheRun.find("  QS: "), std::string::npos);
}

TEST_F(TipCalculation, LateRunAdjustmentsShowDuringTheRunAndAreUndoneAfterIt) {
    // Rows 1 and 2 are locked, so rows 3 and later spend the whole budget of 50000.
    switchOffRowRules(ws.options);
    makeRowsImpossible();
    setRow(0, {"1", "2", "3", "4", "5", "7"});
    setRow(1, {"1", "12", "13", "14", "15", "7"});
    ws.sheet.setLocked(0, true);
    ws.sheet.setLocked(1, true);
    struct Seen {
        int databaseMatches;
        int lastDrawLimit;
        int secondLastDrawLimit;
    };
    std::vector<std::pair<int, Seen>> seen;
    ui.hook = [&](int call) {
        if (call == 30000 || call == 30001 || call == 40001 || call == 45001)
            seen.push_back(
                {call - 1, {ws.options.upDown(6), ws.options.upDown(4), ws.options.upDown(5)}});
    };
    const TipRunSummary summary = Label28Click(ws);

    EXPECT_EQ(summary.attempts, 50000);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].second.databaseMatches, 5); // after attempt 29999
    EXPECT_EQ(seen[1].second.databaseMatches, 6); // after attempt 30000
    EXPECT_EQ(seen[2].second.lastDrawLimit, 1);
    EXPECT_EQ(seen[2].second.secondLastDrawLimit, 2);
    EXPECT_EQ(seen[3].second.lastDrawLimit, 2);
    EXPECT_EQ(seen[3].second.secondLastDrawLimit, 3);
    EXPECT_EQ(ws.options.upDown(6), 5);
    EXPECT_EQ(ws.options.upDown(4), 0);
    EXPECT_EQ(ws.options.upDown(5), 1);
}

TEST_F(TipCalculation, ASecondPressStopsAfterTheAttemptInProgress) {
    switchOffRowRules(ws.options); // the longest-outstanding key of the fixture is not 0
    std::string captionAfterPress;
    TipRunSummary pressResult{true, -1, true};
    ui.hook = [&](int call) {
        if (call == 1) {
            pressResult = Label28Click(ws);
            captionAfterPress = ws.startButtonCaption;
        }
    };
    const TipRunSummary summary = Label28Click(ws);

    EXPECT_FALSE(pressResult.ran);
    EXPECT_EQ(captionAfterPress, "Tipps berechnen");
    EXPECT_EQ(summary.attempts, 1);
    EXPECT_EQ(ws.status.panel1, message(msg::TipsComputed));
    // The attempt in progress skipped the key choice and was still accepted.
    EXPECT_TRUE(isFullRow(0));
    EXPECT_EQ(ws.sheet.cell(0, 5), "0");
    for (int r = 1; r < 12; ++r)
        EXPECT_TRUE(isEmptyRow(r)) << r;

    // The next press starts a new run.
    ui.hook = nullptr;
    EXPECT_EQ(Label28Click(ws).attempts, 5);
    EXPECT_NE(ws.sheet.cell(0, 5), "0");
}

TEST_F(TipCalculation, APoolOfFewerThanFiveNumbersEndsTheRunAsAUsedUpBudget) {
    switchOffPreferences(ws.options);
    ws.options.setCheckBox(15, true); // only preferred numbers, and none preferred
    setRow(8, {"1", "2", "3", "4", "5", ""});
    ws.sheet.setLocked(8, true);
    const TipRunSummary summary = Label28Click(ws);

    EXPECT_EQ(summary.attempts, 50000);
    EXPECT_EQ(ui.calls, 0); // not one attempt was made
    EXPECT_EQ(ws.status.panel1, message(msg::BudgetUsedUp));
    EXPECT_EQ(ui.messages.size(), 1u);
    // The locked row is still read: written back with row 1's key, which row 1's empty
    // result left at 0 until the evaluation emptied it.
    EXPECT_TRUE(isFullRow(8));
    EXPECT_EQ(ws.sheet.cell(8, 5), "0");
    EXPECT_EQ(ws.sheet.cell(0, 5), "");
}

TEST_F(TipCalculation, ALockedRowWithoutNumbersIsReportedAndSkipped) {
    switchOffRowRules(ws.options);
    setRow(1, {"4", "", "9", "", "", "3"});
    ws.sheet.setLocked(1, true);
    const TipRunSummary summary = Label28Click(ws);

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("2. Tipp"), std::string::npos);
    EXPECT_EQ(ws.sheet.cell(1, 0), "4");
    EXPECT_EQ(ws.sheet.cell(1, 2), "9");
    EXPECT_EQ(summary.attempts, 4);
    for (int r : {0, 2, 3, 4})
        EXPECT_TRUE(isFullRow(r)) << r;
    EXPECT_EQ(ws.status.panel1, message(msg::TipsComputed));
    EXPECT_EQ(ws.startButtonCaption, "Tipps berechnen");
}

TEST_F(TipCalculation, AnUnreadableDrawFilePutsTheWindowStateBack) {
    std::filesystem::remove(ws.drawFile().path());
    std::filesystem::create_directory(ws.drawFile().path());
    ws.options.setCheckBox(8, true);
    EXPECT_THROW(Label28Click(ws), IoError);
    EXPECT_EQ(ws.startButtonCaption, "Tipps berechnen");
    EXPECT_TRUE(ws.evaluationSwitch);
    EXPECT_FALSE(ws.running);
    EXPECT_TRUE(ws.options.checkBox(8));
    EXPECT_FALSE(ui.busyChanges.empty());
    EXPECT_FALSE(ui.busyChanges.back());
}

TEST_F(TipCalculation, ReferenceDrawsStepBackFromTheCurrentDraw) {
    ReferenceDraws refs = readReferenceDraws(ws);
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
    EXPECT_EQ(ws.current.index, 39);
    EXPECT_EQ(ws.endPicker.value, roundToDay(draws[39].date));

    // At the start of the file the first draw is taken again.
    ws.endPicker.set(roundToDay(draws[1].date));
    refs = readReferenceDraws(ws);
    EXPECT_EQ(refs.secondLast.numbers, numbersAt(0));
    EXPECT_EQ(refs.thirdLast.numbers, numbersAt(0));
    EXPECT_EQ(ws.current.index, 1);
}

} // namespace
} // namespace kav::test
