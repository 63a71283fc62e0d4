// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/StatisticCommands.h"
#include "StatisticsTestDraws.h"
#include "app/StartUp.h"
#include "app/Workspace.h"
#include "commands/DrawReading.h"
#include "draws/DrawFile.h"
#include "support/ScriptedInteraction.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

using Command = StatisticCommand;

struct CommandCase {
    const char* name;
    Command command;
    bool switchesToChart;
    bool storesEndField;
};

const CommandCase kCommands[] = {
    {"numbers", SpeedButton2Click, false, true}, {"overdue", Button5Click, true, true},
    {"sums", SpeedButton9Click, false, true},    {"pairs", Button2Click, true, true},
    {"triples", Button3Click, true, true},       {"quads", Button4Click, true, true},
    {"keys", SpeedButton3Click, false, false},   {"keys-overdue", Button8Click, true, false},
};

// A program folder with a draw file in weeks 1..6; the pickers span weeks 2..5.
class StatisticCommands : public ::testing::Test {
protected:
    StatisticCommands() : ws(folder.path(), ui) {
        const DrawFile file(folder.path());
        for (const DrawRecord& r : draws().records)
            file.append(r);
        ws.drawWindow.startPicker.set(static_cast<int>(week(2)));
        ws.drawWindow.endPicker.set(static_cast<int>(week(5)));
        ws.drawWindow.current.take(DrawRecord::make(week(6), {10, 20, 30, 40, 50}, 9));
        ws.drawWindow.current.index = 5;
    }

    static DrawSnapshot draws() {
        return snapshotOf({{1, {1, 2, 3, 4, 5}, 1},
                           {2, {6, 7, 8, 9, 10}, 2},
                           {3, {11, 12, 13, 14, 15}, 3},
                           {4, {16, 17, 18, 19, 20}, 4},
                           {5, {21, 22, 53, 54, 30}, 0},
                           {6, {10, 20, 30, 40, 50}, 9}});
    }

    TemporaryFolder folder;
    ScriptedInteraction ui;
    Workspace ws;
};

TEST_F(StatisticCommands, PublishStoreTheWindowAndSwitchPagesAsTheWindowDoes) {
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE(c.name);
        ws.view.chart = Chart{};
        ws.view.activePage = Page::Database;
        ws.drawWindow.windowStart = 0.0;
        ws.drawWindow.windowEnd = 0.0;
        ui.busyChanges.clear();
        c.command(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, nullptr);
        EXPECT_FALSE(ws.view.chart.points.empty());
        EXPECT_FALSE(ws.view.chart.caption.empty());
        EXPECT_EQ(ws.view.activePage, c.switchesToChart ? Page::Chart : Page::Database);
        EXPECT_EQ(ws.drawWindow.windowStart, week(2));
        EXPECT_EQ(ws.drawWindow.windowEnd, c.storesEndField ? week(5) : 0.0);
        EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    }
}

TEST_F(StatisticCommands, KeyOverdueKeepsThePageDuringAGeneratorRun) {
    ws.view.activePage = Page::Calculation;
    ws.run.running = true;
    Button8Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ws.view.activePage, Page::Calculation);
    EXPECT_EQ(ws.view.chart.points.size(), 10U);
}

TEST_F(StatisticCommands, ShortcutsBringTheChartPageToTheFrontFirst) {
    struct Shortcut {
        void (*command)(ProgramContext&, Ticket&, DrawWindow&, const RunState&, Presentation&);
        const char* captionStart;
    };
    const Shortcut shortcuts[] = {
        {SpeedButton26Click, "Zahlenverteilung"},
        {Label88Click, "Quersummenverteilung"},
        {Label89Click, "Ziehungen : 3        Paare"},
        {Label91Click, "Ziehungen : 3        Dreier"},
        {Label90Click, "Ziehungen : 3        Vierer"},
        {SuperseltenClick, "Wie oft"},
        {SuperAusClick, "Welche Sternenzahl"},
    };
    for (const Shortcut& s : shortcuts) {
        SCOPED_TRACE(s.captionStart);
        ws.view.activePage = Page::Calculation;
        s.command(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
        EXPECT_EQ(ws.view.activePage, Page::Chart);
        EXPECT_EQ(ws.view.chart.caption.rfind(s.captionStart, 0), 0U) << ws.view.chart.caption;
    }
}

TEST_F(StatisticCommands, MissingDrawFileLeavesTheChartAndEndsTheHourglass) {
    std::filesystem::remove(drawFileOf(ws.program).path());
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE(c.name);
        Chart before;
        before.caption = "vorher";
        before.points = {{1, 2, std::nullopt}};
        ws.view.chart = before;
        ui.busyChanges.clear();
        EXPECT_THROW(c.command(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, nullptr),
                     IoError);
        EXPECT_EQ(ws.view.chart.caption, "vorher");
        EXPECT_EQ(ws.view.chart.points, before.points);
        EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    }
}

TEST_F(StatisticCommands, UseTheGivenSnapshotInsteadOfTheFile) {
    std::filesystem::remove(drawFileOf(ws.program).path());
    const DrawSnapshot snapshot = draws();
    SpeedButton2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, &snapshot);
    EXPECT_EQ(ws.view.chart.caption, "Zahlenverteilung     Ziehungen : 4    Quersumme: 94");
}

TEST_F(StatisticCommands, GroupStatisticsLeaveTheLastWindowDrawAndItsComparison) {
    for (Command command : {Button2Click, Button3Click, Button4Click}) {
        ws.drawWindow.current.take(DrawRecord::make(week(6), {10, 20, 30, 40, 50}, 9));
        ws.drawWindow.current.index = 5;
        command(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view, nullptr);
        // Week 5's bytes; date and index still name the draw on display.
        EXPECT_EQ(ws.drawWindow.current.slotValues,
                  (std::array<std::int32_t, 8>{21, 22, 53, 54, 30, 0, 0, 0}));
        EXPECT_EQ(ws.drawWindow.current.date, week(6));
        EXPECT_EQ(ws.drawWindow.current.index, 5);
        // The last test row holds 53 and 54 on its first cells, or on its second and third.
        EXPECT_EQ(ws.ticket.comparison.hitCount, 2);
        EXPECT_TRUE(ws.ticket.comparison.keyHit); // the test row's key "0" against key 0
    }
    EXPECT_EQ(ws.ticket.comparison.positionHit,
              (std::array<bool, 5>{false, true, true, false, false}));
}

TEST_F(StatisticCommands, GroupStatisticsWithoutWindowDrawLeaveTheCurrentDraw) {
    ws.drawWindow.startPicker.set(static_cast<int>(week(5)));
    ws.ticket.comparison.hitCount = 3;
    Button2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ws.drawWindow.current.slotValues,
              (std::array<std::int32_t, 8>{10, 20, 30, 40, 50, 0, 9, 0}));
    EXPECT_EQ(ws.ticket.comparison.hitCount, 3);
    EXPECT_EQ(ws.view.chart.caption, "Ziehungen : 0        Paare gefunden :  0");
}

TEST_F(StatisticCommands, TipDistributionCountsTheSheetAndSwitchesToTheChart) {
    std::filesystem::remove(drawFileOf(ws.program).path()); // the sheet needs no draw file
    ws.ticket.sheet.setCell(0, 0, "7");
    ws.view.activePage = Page::TipOverview;
    Button6Click(ws.program, ws.ticket, ws.view);
    EXPECT_EQ(ws.view.chart.points[6].y, 1);
    EXPECT_EQ(ws.view.activePage, Page::Chart);
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(StatisticCommands, StartUpEndsWithTheNumberDistribution) {
    ws.program.todayProvider = [] { return static_cast<DayCount>(week(6)); };
    ws.ticket.evaluationSwitch = true;
    startUp(ws);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(ws.view.chart.caption, "Zahlenverteilung     Ziehungen : 5    Quersumme: 105");
    EXPECT_EQ(ws.drawWindow.windowEnd, week(6));
}

} // namespace
} // namespace kav::test
