// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Backtest.h"

#include "BaselineAnalyses.h"
#include "evaluation/AnalysisTestSupport.h"
#include "evaluation/BacktestReport.h"
#include "model/Controls.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

constexpr int kWeeks = 30;

std::vector<DrawRecord> history() {
    return weeklyHistory(kWeeks);
}

DayCount dayOf(const DrawRecord& record) {
    return roundToDay(record.date);
}

std::vector<std::string> cells(const Workspace& ws) {
    std::vector<std::string> texts;
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts.push_back(ws.ticket.sheet.cell(r, c));
    return texts;
}

class Backtest : public WorkspaceTest {
protected:
    Backtest() {
        writeDraws(history());
        ws.options.setChecked(CheckBox::ShowNumberList, true);
    }

    BacktestResult runFrom(DayCount start, const std::string& lucky = "815") {
        ws.drawWindow.endPicker.set(start);
        ui.yesNoAnswers = {true};
        ui.textAnswers = {lucky};
        return BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    }

    std::filesystem::path report() const { return folder.path() / "Test.rtf"; }
};

TEST_F(Backtest, StartedOnTodayReportsZerosAndNoDraw) {
    const BacktestResult result = runFrom(ws.program.today());
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(result.draws, 0);
    EXPECT_EQ(ui.questions.front(),
              "Soll die Analyse der Einstellungen jetzt ab dem  01.06.2024 durchgeführt werden??");
    const std::string expected = "Aktuelle Einstellung brachten\r\n"
                                 "\r\n"
                                 "Anzahl ohne Sterne\t1x Sterne\t2x Sterne\r\n"
                                 "0x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "1x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "2x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "3x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "4x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "5x\t=> 0\t\t=> 0\t\t=> 0\r\n"
                                 "\r\n"
                                 "Ziehungen : 0      Tipp: 5 => 0Reihen\r\n";
    EXPECT_EQ(result.report, expected);
    EXPECT_EQ(readBytes(report()), expected);
    EXPECT_EQ(ui.opened, std::vector<std::string>{report().string()});
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
    EXPECT_EQ(ws.view.status.panel1, "Glückszahl 815 gesetzt");
}

TEST_F(Backtest, AReportLineHoldsTheClassesTabSeparated) {
    HitClassTable classes{};
    classes[2] = {3, 1, 0};
    const std::vector<std::string> lines = backtestReportLines(ws.program.messages, classes, 7, 12);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[4], "2x\t=> 3\t\t=> 1\t\t=> 0");
    EXPECT_EQ(lines[8], "\nZiehungen : 7      Tipp: 12 => 84Reihen");
}

struct ReplayCase {
    const char* name;
    int startDraw; // index of the draw the end date stands on, -1: a day before it
    int expectedDraws;
};

// The replay on one snapshot gives what reading the file at every step and every attempt
// gives.
TEST_F(Backtest, EqualsTheReplayThatReadsTheFileAtEveryStep) {
    const std::vector<DrawRecord> draws = history();
    const ReplayCase cases[] = {
        {"from the draw before the newest: two weeks", kWeeks - 2, 2},
        {"from the first draw", 0, kWeeks},
        {"from a day before the 13th draw", -12, 18},
    };
    for (const ReplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DayCount start = c.startDraw >= 0
                                   ? dayOf(draws[static_cast<std::size_t>(c.startDraw)])
                                   : dayOf(draws[static_cast<std::size_t>(-c.startDraw)]) - 1;
        const BacktestResult result = runFrom(start);
        ASSERT_TRUE(result.completed) << (ui.errors.empty() ? "" : ui.errors.back());
        EXPECT_EQ(result.draws, c.expectedDraws);
        const std::vector<std::string> sheet = cells(ws);

        ScriptedInteraction quiet;
        Workspace reference(folder.path(), quiet);
        reference.ticket.evaluationSwitch = true;
        reference.program.todayProvider = ws.program.todayProvider;
        reference.options = ws.options;
        reference.options.setChecked(CheckBox::ShowNumberList, false);
        reference.drawWindow.startPicker = ws.drawWindow.startPicker;
        const bench::BacktestTotals replay = bench::baselineBacktest(reference, start, 815);
        EXPECT_EQ(result.draws, replay.draws);
        EXPECT_EQ(result.classes, replay.classes);
        EXPECT_EQ(sheet, cells(reference));
        // The last week evaluates the newest draw's tips against the newest draw itself.
        EXPECT_EQ(ws.drawWindow.current.date, draws.back().date);
        int rows = 0;
        for (const auto& counters : result.classes)
            rows += counters[0] + counters[1];
        EXPECT_EQ(rows, result.draws * 5);
    }
}

TEST_F(Backtest, TheNumberListOptionComesBackAfterAnError) {
    const BacktestResult mistyped = runFrom(dayOf(history()[20]), "viele");
    EXPECT_FALSE(mistyped.completed);
    EXPECT_EQ(ui.errors, std::vector<std::string>{"Fehler bei Eingabe der Zufallszahl"});
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
    EXPECT_FALSE(std::filesystem::exists(report()));

    // A report that cannot be written names the lucky number and then the reason.
    std::filesystem::create_directory(report());
    ui.errors.clear();
    const BacktestResult unwritable = runFrom(dayOf(history()[27]));
    EXPECT_FALSE(unwritable.completed);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind("Fehler bei Eingabe der Zufallszahl\n", 0), 0u) << ui.errors[0];
    EXPECT_NE(ui.errors[0].find("Test.rtf"), std::string::npos) << ui.errors[0];
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
    EXPECT_FALSE(ws.run.analysis.running());
}

TEST_F(Backtest, AnswerNoLeavesEverythingAsItWas) {
    ws.drawWindow.endPicker.set(dayOf(history()[3]));
    ws.drawWindow.current.index = 7;
    ui.yesNoAnswers = {false};
    const BacktestResult result =
        BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ws.drawWindow.current.index, 7);
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
}

// Abbrechen in the lucky-number box once ran the backtest anyway, which erased the ticket.
TEST_F(Backtest, CancellingTheLuckyNumberKeepsTheSheet) {
    ws.ticket.sheet.setCell(0, 0, "7");
    ws.ticket.sheet.setCell(3, 2, "40");
    const std::vector<std::string> before = cells(ws);
    const std::uint32_t seed = ws.run.random.seed();
    ws.drawWindow.endPicker.set(dayOf(history()[20]));
    ui.yesNoAnswers = {true};
    ui.textAnswers = {std::nullopt};
    const BacktestResult result =
        BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.draws, 0);
    EXPECT_EQ(cells(ws), before);
    EXPECT_EQ(ws.run.random.seed(), seed);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
    EXPECT_FALSE(std::filesystem::exists(report()));
}

TEST(BacktestStop, EndsAfterTheWeekWithoutAReportAndPutsEverythingBack) {
    StoppingWorkspace user(history(), 4); // inside the first week's tip calculation
    Workspace& ws = user.ws;
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    ws.drawWindow.endPicker.set(roundToDay(history()[2].date));
    user.yesNoAnswers = {true};
    user.textAnswers = {std::string("4711")};

    const BacktestResult result =
        BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(std::filesystem::exists(user.folder.path() / "Test.rtf"));
    EXPECT_TRUE(user.opened.empty());
    EXPECT_TRUE(ws.options.checked(CheckBox::ShowNumberList));
    EXPECT_FALSE(ws.run.analysis.running());
    EXPECT_FALSE(ws.run.running);
    EXPECT_TRUE(ws.ticket.evaluationSwitch);
    EXPECT_EQ(ws.view.startButtonCaption, "Tipps berechnen");
    EXPECT_EQ(ws.view.status.panel1, "Analyse abgebrochen, es wurde kein Bericht geschrieben.");
    // The tip calculation stopped after its attempt: the draw of that week is current.
    EXPECT_EQ(ws.drawWindow.current.date, history()[2].date);
    EXPECT_TRUE(user.errors.empty());
}

} // namespace
} // namespace kav::test
