// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawNavigation.h"

#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "draws/DrawCaption.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

class DrawNavigation : public WorkspaceTest {
protected:
    DrawNavigation() {
        DrawRecord middle = draw(day(2024, 5, 25), {5, 12, 30, 40, 50}, 3);
        // A reserved byte the next step clears and the previous step keeps.
        middle.slotValues[5] = 7;
        draws = {draw(day(2024, 5, 18), {3, 14, 25, 36, 47}, 1), middle,
                 draw(day(2024, 6, 1), {1, 2, 3, 4, 54}, 0)};
        writeDraws(draws);
    }
    void showDrawAt(int index) {
        ws.drawWindow.endPicker.set(roundToDay(draws[static_cast<std::size_t>(index)].date));
        SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    }

    std::vector<DrawRecord> draws;
};

TEST_F(DrawNavigation, StepsShowTheDrawMoveTheEndDateAndEvaluate) {
    ws.drawWindow.startPicker.set(roundToDay(day(2020, 1, 1)));
    setRow(0, {"5", "12", "1", "2", "4", "3"});
    showDrawAt(2);

    SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.index, 1);
    EXPECT_EQ(ws.drawWindow.current.date, draws[1].date);
    EXPECT_EQ(ws.drawWindow.current.slotValues[5], 7);
    EXPECT_EQ(ws.view.drawCaption, "Sa 25.05.24    5  12  30  40  50   R: 3");
    EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
    EXPECT_EQ(ws.view.crossSumCaption, "Quersumme: 137");
    EXPECT_EQ(ws.drawWindow.endPicker.value, roundToDay(draws[1].date));
    EXPECT_EQ(ws.drawWindow.windowStart, roundToDay(day(2020, 1, 1)));
    EXPECT_EQ(ws.ticket.sheet.hits(0), "2 + R");

    SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.index, 1);
    EXPECT_EQ(ws.drawWindow.current.slotValues[5], 0);
}

TEST_F(DrawNavigation, PreviousOnTheFirstAndNextOnTheNewestDrawStay) {
    showDrawAt(0);
    SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.index, 0);
    EXPECT_EQ(ws.drawWindow.current.date, draws[0].date);

    showDrawAt(2);
    SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.index, 2);
    EXPECT_EQ(ws.drawWindow.current.date, draws[2].date);
    SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.date, draws[1].date);
}

TEST_F(DrawNavigation, NextBeyondAShortenedFileTakesItsNewestDraw) {
    showDrawAt(2);
    writeDraws({draws[0]});
    SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.index, 0);
    EXPECT_EQ(ws.drawWindow.current.date, draws[0].date);
}

TEST_F(DrawNavigation, AnEmptyFileChangesNothing) {
    showDrawAt(1);
    const CurrentDraw before = ws.drawWindow.current;
    const std::string caption = ws.view.drawCaption;
    writeDraws({});
    for (auto step : {SpeedButton6Click, SpeedButton7Click}) {
        step(ws.program, ws.ticket, ws.drawWindow, ws.view, nullptr);
        EXPECT_EQ(ws.drawWindow.current.index, before.index);
        EXPECT_EQ(ws.drawWindow.current.date, before.date);
        EXPECT_EQ(ws.view.drawCaption, caption);
    }
}

TEST_F(DrawNavigation, AMissingFileIsAnErrorAndChangesNothing) {
    showDrawAt(1);
    std::filesystem::remove(drawFileOf(ws.program).path());
    EXPECT_THROW(SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view), IoError);
    EXPECT_EQ(ws.drawWindow.current.index, 1);
}

} // namespace
} // namespace kav::test
