// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneratorTestSupport.h"
#include "base/IntegerText.h"
#include "commands/CommandGuard.h"
#include "commands/DrawReading.h"
#include "commands/LuckyNumber.h"
#include "commands/TipCalculation.h"
#include "generator/NumberList.h"
#include "model/Controls.h"
#include "support/WorkspaceFixture.h"

#include <set>

namespace kav::test {
namespace {

using Sheet = std::vector<std::array<std::string, 6>>;

// A generator run with the number list dialog (`CheckBox20`) over forty weekly draws;
// the end date on the newest.
class PoolListStep : public WorkspaceTest {
protected:
    PoolListStep() {
        const std::vector<DrawRecord> draws = fortyDraws();
        writeDraws(draws);
        ws.drawWindow.endPicker.set(roundToDay(draws.back().date));
        ws.options.setValue(UpDown::RowsToCompute, 12);
        ws.options.setKeyModeItem(0);
    }

    Sheet runWithSeed(std::uint32_t seed) {
        ws.run.random.setSeed(seed);
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
        return sheet();
    }
    Sheet sheet() const {
        Sheet rows;
        for (int r = 0; r < TipSheet::kRows; ++r)
            rows.push_back(row(r));
        return rows;
    }
    std::set<int> numbersInSheet() const {
        std::set<int> numbers;
        for (int r = 0; r < TipSheet::kRows; ++r)
            for (int c = 0; c < 5; ++c)
                if (const auto n = parseInteger(ws.ticket.sheet.cell(r, c)))
                    numbers.insert(*n);
        return numbers;
    }
    static PoolListChoice calculate(const NumberBoxes& boxes) {
        return {PoolListAnswer::Calculate, boxes};
    }
    void expectIdleAfterTheRun() const {
        EXPECT_EQ(ws.view.startButtonCaption, "Tipps berechnen");
        EXPECT_TRUE(ws.ticket.evaluationSwitch);
        EXPECT_FALSE(ws.run.running);
        ASSERT_FALSE(ui.busyChanges.empty());
        EXPECT_FALSE(ui.busyChanges.back());
        EXPECT_EQ(std::count(ui.busyChanges.begin(), ui.busyChanges.end(), true),
                  std::count(ui.busyChanges.begin(), ui.busyChanges.end(), false));
    }
};

TEST_F(PoolListStep, OkKeepsThePoolAndTheDialogShowsItUnderTheNormalCursor) {
    const Sheet withoutDialog = runWithSeed(1);
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    ui.busyChanges.clear();
    ui.poolAnswers.push_back({PoolListAnswer::Keep, {}});
    EXPECT_EQ(runWithSeed(1), withoutDialog);
    // The statistics of the pool show the hourglass too; the dialog takes it away fully.
    const std::vector<bool>& busy = ui.busyChanges;
    ASSERT_GE(busy.size(), 4u);
    EXPECT_EQ(std::vector<bool>(busy.end() - 3, busy.end()),
              (std::vector<bool>{false, true, false}));
    EXPECT_EQ(std::count(busy.begin(), busy.end() - 3, true) -
                  std::count(busy.begin(), busy.end() - 3, false),
              1);

    // The default pool: every number but those of the last draw, most of them once.
    ASSERT_EQ(ui.poolQuestions.size(), 1u);
    const PoolListQuestion& q = ui.poolQuestions[0];
    NumberBoxes shown;
    showPool(shown, q.weights);
    std::vector<int> expected;
    const DrawRecord lastDraw = drawFileOf(ws.program).readAll().records.back();
    NumberMask last = 0;
    for (int i = 0; i < 5; ++i)
        last |= maskOfNumber(lastDraw.number(i));
    for (int k = 1; k <= 54; ++k)
        if ((last & maskOfNumber(k)) == 0)
            expected.push_back(k);
    EXPECT_EQ(shown.checkedNumbers(), expected);
    EXPECT_GT(std::count(q.weights.begin() + 1, q.weights.end(), 1), 30);
    EXPECT_EQ(q.setup.randomIdleText, "Zufall");
    EXPECT_EQ(q.setup.numberCount, 54);
}

TEST_F(PoolListStep, CalculateReplacesThePoolByTheDialogsList) {
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    // Everything checked but 7, which carries a weight that would make it nearly certain.
    NumberBoxes without7;
    for (int k = 1; k <= 54; ++k)
        without7[k] = {k != 7, k == 7 ? "500" : "1", BoxColour::ToolTip};
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        ui.poolAnswers.push_back(calculate(without7));
        runWithSeed(seed);
        EXPECT_EQ(ws.view.status.panel1, "Tipps wurden neu berechnet");
        EXPECT_EQ(numbersInSheet().count(7), 0u) << seed;
        EXPECT_GE(numbersInSheet().size(), 20u);
    }

    // A short list: only its numbers come, and one with a negative weight never.
    switchOffRowRules(ws.options);
    NumberBoxes list;
    for (const auto& [k, weight] : std::vector<std::pair<int, const char*>>{{3, "2"},
                                                                            {9, "0"},
                                                                            {14, "1"},
                                                                            {27, "3"},
                                                                            {40, "1"},
                                                                            {41, " 1"},
                                                                            {50, "1"},
                                                                            {52, "-4"}})
        list[k] = {true, weight, BoxColour::ToolTip};
    ui.poolAnswers.push_back(calculate(list));
    runWithSeed(3);
    EXPECT_EQ(numbersInSheet(), (std::set<int>{3, 9, 14, 27, 40, 41, 50}));
}

TEST_F(PoolListStep, AbortEndsTheRunWithTheUnlockedRowsCleared) {
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    setRow(0, {"1", "2", "3", "4", "5", "6"});
    setRow(1, {"10", "20", "30", "40", "50", "6"});
    ws.ticket.sheet.setLocked(1, true);
    ws.view.status.panel1 = "";
    ui.poolAnswers.push_back({PoolListAnswer::Abandon, {}});
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_TRUE(summary.abandoned);
    EXPECT_EQ(summary.attempts, 0);
    EXPECT_EQ(row(0), (std::array<std::string, 6>{"", "", "", "", "", ""}));
    EXPECT_EQ(row(1), (std::array<std::string, 6>{"10", "20", "30", "40", "50", "6"}));
    for (int r = 2; r < TipSheet::kRows; ++r)
        EXPECT_EQ(ws.ticket.sheet.cell(r, 0), "") << r;
    EXPECT_NE(ws.view.status.panel1, "Tipps wurden neu berechnet");
    expectIdleAfterTheRun();
}

TEST_F(PoolListStep, AWeightThatIsNoNumberEndsTheRunWithAMessageNamingTheNumber) {
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    ws.options.setChecked(CheckBox::ForcedPair, true);
    NumberBoxes boxes;
    for (int k = 1; k <= 54; ++k)
        boxes[k] = {true, k == 12 ? "x" : "1", BoxColour::ToolTip};
    ui.poolAnswers.push_back(calculate(boxes));
    EXPECT_FALSE(runGuarded(ws.program.ui, [&] {
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    }));

    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("\"x\" der Zahl 12"), std::string::npos) << ui.errors[0];
    expectIdleAfterTheRun();
    EXPECT_TRUE(ws.options.checked(CheckBox::ForcedPair));

    // The next run starts normally.
    ui.poolAnswers.push_back({PoolListAnswer::Keep, {}});
    Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ws.view.status.panel1, "Tipps wurden neu berechnet");
}

TEST_F(PoolListStep, TheSameLuckyNumberGivesTheSameRows) {
    const auto runAfterLuckyNumber = [&](const char* lucky) {
        ui.textAnswers.push_back(lucky);
        SpeedButton13Click(ws.program, ws.run, ws.view, [] { return 1u; });
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
        return sheet();
    };
    const Sheet first = runAfterLuckyNumber("815");
    EXPECT_EQ(runAfterLuckyNumber("815"), first);
    EXPECT_EQ(runWithSeed(815), first);
    EXPECT_NE(runAfterLuckyNumber("816"), first);
}

} // namespace
} // namespace kav::test
