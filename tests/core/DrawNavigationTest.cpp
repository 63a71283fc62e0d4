// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawNavigation.h"

#include "draws/DrawCaption.h"
#include "evaluation/DrawSelection.h"
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
        ws.endPicker.set(roundToDay(draws[static_cast<std::size_t>(index)].date));
        SpeedButton5Click(ws);
    }

    std::vector<DrawRecord> draws;
};

TEST_F(DrawNavigation, StepsShowTheDrawMoveTheEndDateAndEvaluate) {
    ws.startPicker.set(roundToDay(day(2020, 1, 1)));
    setRow(0, {"5", "12", "1", "2", "4", "3"});
    showDrawAt(2);

    SpeedButton6Click(ws);
    EXPECT_EQ(ws.current.index, 1);
    EXPECT_EQ(ws.current.date, draws[1].date);
    EXPECT_EQ(ws.current.slotValues[5], 7);
    EXPECT_EQ(ws.drawCaption, "Sa 25.05.24    5  12  30  40  50   R: 3");
    EXPECT_EQ(ws.tipDrawCaption, ws.drawCaption);
    EXPECT_EQ(ws.crossSumCaption, "Quersumme: 137");
    EXPECT_EQ(ws.endPicker.value, roundToDay(draws[1].date));
    EXPECT_EQ(ws.windowStart, roundToDay(day(2020, 1, 1)));
    EXPECT_EQ(ws.sheet.hits(0), "2 + R");

    SpeedButton6Click(ws);
    SpeedButton7Click(ws);
    EXPECT_EQ(ws.current.index, 1);
    EXPECT_EQ(ws.current.slotValues[5], 0);
}

TEST_F(DrawNavigation, PreviousOnTheFirstAndNextOnTheNewestDrawStay) {
    showDrawAt(0);
    SpeedButton6Click(ws);
    EXPECT_EQ(ws.current.index, 0);
    EXPECT_EQ(ws.current.date, draws[0].date);

    showDrawAt(2);
    SpeedButton7Click(ws);
    SpeedButton7Click(ws);
    EXPECT_EQ(ws.current.index, 2);
    EXPECT_EQ(ws.current.date, draws[2].date);
    SpeedButton6Click(ws);
    EXPECT_EQ(ws.current.date, draws[1].date);
}

TEST_F(DrawNavigation, NextBeyondAShortenedFileTakesItsNewestDraw) {
    showDrawAt(2);
    writeDraws({draws[0]});
    SpeedButton7Click(ws);
    EXPECT_EQ(ws.current.index, 0);
    EXPECT_EQ(ws.current.date, draws[0].date);
}

TEST_F(DrawNavigation, AnEmptyFileChangesNothing) {
    showDrawAt(1);
    const CurrentDraw before = ws.current;
    const std::string caption = ws.drawCaption;
    writeDraws({});
    for (auto step : {SpeedButton6Click, SpeedButton7Click}) {
        step(ws);
        EXPECT_EQ(ws.current.index, before.index);
        EXPECT_EQ(ws.current.date, before.date);
        EXPECT_EQ(ws.drawCaption, caption);
    }
}

TEST_F(DrawNavigation, AMissingFileIsAnErrorAndChangesNothing) {
    showDrawAt(1);
    std::filesystem::remove(ws.drawFile().path());
    EXPECT_THROW(SpeedButton7Click(ws), IoError);
    EXPECT_EQ(ws.current.index, 1);
}

} // namespace
} // namespace kav::test
