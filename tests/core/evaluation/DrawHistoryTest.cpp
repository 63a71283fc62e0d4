// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawHistoryAnalysis.h"

#include "BaselineAnalyses.h"
#include "base/IntegerText.h"
#include "evaluation/AnalysisTestSupport.h"
#include "evaluation/DrawHistoryReport.h"
#include "support/WorkspaceFixture.h"

#include <numeric>

namespace kav::test {
namespace {

constexpr int kWeeks = 20;

std::vector<DrawRecord> history() {
    return weeklyHistory(kWeeks);
}

// The history with draw 14 repeating the numbers of draw 3 (another key).
std::vector<DrawRecord> historyWithARepeat() {
    std::vector<DrawRecord> draws = history();
    draws[14] = draw(draws[14].date, {4, 15, 26, 37, 48}, 9);
    return draws;
}

int sum(const MatchTable& table) {
    return std::accumulate(table.begin(), table.end(), 0);
}

class DrawHistory : public WorkspaceTest {
protected:
    DrawHistory() {
        ws.drawWindow.startPicker.set(roundToDay(history().front().date));
        ws.drawWindow.windowStart = ws.drawWindow.startPicker.value;
    }

    DrawHistoryResult runFrom(double date, std::optional<std::string> threshold,
                              std::deque<bool> answers = {true}) {
        ws.drawWindow.endPicker.set(roundToDay(date));
        ui.yesNoAnswers = std::move(answers);
        ui.textAnswers = {std::move(threshold)};
        return BitBtn19Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    }

    std::filesystem::path report() const { return folder.path() / "Test.rtf"; }
};

// Abbrechen once ran the analysis with the default threshold.
TEST_F(DrawHistory, CancellingTheThresholdEndsItWithoutAReport) {
    writeDraws(history());
    const DrawHistoryResult result = runFrom(history().front().date, std::nullopt);
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(std::filesystem::exists(report()));
    EXPECT_EQ(sum(result.earlier), 0);
}

TEST_F(DrawHistory, WithoutRepeatsNothingIsAskedAndTableASumsToTheComparedPairs) {
    writeDraws(history());
    const DrawHistoryResult result = runFrom(history().front().date, "5");
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(ui.questions,
              (std::vector<std::string>{
                  "Soll die Analyse der Datenbank jetzt ab dem 13.01.2024 durchgeführt werden??",
                  "Ziehungsergebnis vergleichen"}));
    // Draws 0..18 are analysed (the analysis ends when the newest draw is current); draw
    // k is compared with the k draws before it, so the first week compares none.
    EXPECT_EQ(sum(result.earlier), (kWeeks - 1) * (kWeeks - 2) / 2);
    EXPECT_EQ(result.earlier[5], 0);
    // One next-draw comparison per week.
    EXPECT_EQ(sum(result.next), kWeeks - 1);
    EXPECT_EQ(result.next[5], 0);

    std::string expected = "Treffer von Ziehungen in der Datenbank\r\n";
    for (int k = 0; k <= 5; ++k)
        expected += std::to_string(k) + "x    =>" +
                    std::to_string(result.earlier[static_cast<std::size_t>(k)]) + "\r\n";
    expected += " \r\nWie oft gab es bei der nächsten Ziehung ähnliche Zahlen\r\n";
    for (int k = 0; k <= 5; ++k)
        expected += std::to_string(k) + "x    =>" +
                    std::to_string(result.next[static_cast<std::size_t>(k)]) + "\r\n";
    EXPECT_EQ(result.report, expected);
    // The file is in Windows-1252: "ä" is one byte.
    std::string windows1252 = expected;
    windows1252.replace(windows1252.find("ä"), 2, "\xE4");
    windows1252.replace(windows1252.find("ä"), 2, "\xE4");
    EXPECT_EQ(readBytes(report()), windows1252);
    EXPECT_EQ(ui.opened, std::vector<std::string>{report().string()});

    // The end state: row 1 holds the last analysed draw, the newest draw is current, the
    // status bar shows the last bound and date.
    EXPECT_EQ(row(0), (std::array<std::string, 6>{"9", "12", "25", "38", "45", "8"}));
    EXPECT_EQ(ws.drawWindow.current.index, kWeeks - 1);
    EXPECT_EQ(ws.view.status.panel0, "25.05.2024");
    EXPECT_EQ(ws.view.status.panel1, "18.05.2024");
    EXPECT_TRUE(ws.view.chart.points.empty());
    EXPECT_EQ(ws.view.activePage, Page::TipOverview);
    EXPECT_FALSE(ws.run.analysis.running());
}

TEST_F(DrawHistory, StartedOnTheNewestDrawItRunsOnceAndMeetsItself) {
    writeDraws(history());
    const DrawHistoryResult result = runFrom(history().back().date, std::string("5"));
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(sum(result.earlier), 0);
    EXPECT_EQ(result.next, (MatchTable{0, 0, 0, 0, 0, 1, 0}));
}

TEST_F(DrawHistory, NoInTheMiddleEndsWithoutAReport) {
    writeDraws(historyWithARepeat());
    const DrawHistoryResult result =
        runFrom(history().front().date, std::string("5"), {true, false});
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(ui.questions.size(), 3u);
    EXPECT_EQ(ui.questions[2], "Ein Treffer gefunden am :  03.02.2024. Weiter?");
    EXPECT_FALSE(std::filesystem::exists(report()));
    EXPECT_TRUE(ui.opened.empty());
    // Row 1 holds the repeating draw; the draw it repeats is the current draw's date.
    EXPECT_EQ(row(0)[5], "9");
    EXPECT_EQ(ws.drawWindow.current.date, history()[3].date);
    EXPECT_FALSE(ws.run.analysis.running());
}

TEST_F(DrawHistory, EqualsTheAnalysisThatReadsTheFileEveryWeek) {
    // One draw holds a number twice (from a damaged file): it is counted cell by cell.
    std::vector<DrawRecord> draws = historyWithARepeat();
    draws[9] = draw(draws[9].date, {4, 4, 15, 26, 37}, 0);
    writeDraws(draws);
    // A locked row below row 1 stays through the clearing; it holds 37 twice.
    setRow(2, {"37", "37", "26", "4", "15", "2"});
    ws.ticket.sheet.setLocked(2, true);
    const DrawHistoryResult result =
        runFrom(history()[2].date, std::string("6"), {true, true, true});
    ASSERT_TRUE(result.completed);

    ScriptedInteraction quiet;
    Workspace reference(folder.path(), quiet);
    reference.ticket.evaluationSwitch = true;
    reference.drawWindow.startPicker = ws.drawWindow.startPicker;
    reference.drawWindow.endPicker.set(roundToDay(history()[2].date));
    for (int c = 0; c < 6; ++c)
        reference.ticket.sheet.setCell(2, c, row(2)[static_cast<std::size_t>(c)]);
    reference.ticket.sheet.setLocked(2, true);
    const bench::HistoryTables tables = bench::baselineDrawHistory(reference);
    EXPECT_EQ(result.earlier, tables.earlier);
    EXPECT_EQ(result.next, tables.next);
    // The repeat, and the draw holding 4 twice against both draws of 4, 15, 26, 37, 48.
    EXPECT_EQ(result.earlier[5], 3);
    EXPECT_EQ(ws.drawWindow.current.date, reference.drawWindow.current.date);
    EXPECT_EQ(ws.ticket.comparison.hitCount, reference.ticket.comparison.hitCount);
}

TEST_F(DrawHistory, AThresholdThatIsNoNumberEndsItAfterTheSelection) {
    writeDraws(history());
    EXPECT_THROW(runFrom(history()[5].date - 2.0, std::string("x")), ConversionError);
    EXPECT_EQ(ws.drawWindow.current.date, history()[5].date);
    EXPECT_FALSE(std::filesystem::exists(report()));
}

TEST(DrawHistoryStop, EndsAfterTheDrawInProgressWithoutAReport) {
    StoppingWorkspace user(history(), 3);
    Workspace& ws = user.ws;
    ws.drawWindow.endPicker.set(roundToDay(history()[4].date));
    user.yesNoAnswers = {true};
    user.textAnswers = {std::string("5")};

    const DrawHistoryResult result =
        BitBtn19Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(std::filesystem::exists(user.folder.path() / "Test.rtf"));
    EXPECT_FALSE(ws.run.analysis.running());
    // Three draws were analysed; row 1 holds the third, the draw after it is current.
    EXPECT_EQ(ws.ticket.sheet.cell(0, 5), std::to_string(history()[6].key()));
    EXPECT_EQ(ws.drawWindow.current.date, history()[7].date);
    EXPECT_EQ(ws.drawWindow.current.index, 7);
    EXPECT_EQ(ws.view.status.panel1, "Analyse abgebrochen, es wurde kein Bericht geschrieben.");
}

} // namespace
} // namespace kav::test
