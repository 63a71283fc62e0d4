// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/SheetEvaluation.h"

#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

class HitEvaluation : public WorkspaceTest {
protected:
    HitEvaluation() { ws.drawWindow.current.take(draw(day(2024, 5, 26), {5, 12, 30, 40, 50}, 3)); }

    const RowComparison& compare(const std::array<std::string, 6>& texts) {
        Zettelcheck(ws.ticket, ws.drawWindow.current,
                    {texts[0], texts[1], texts[2], texts[3], texts[4]}, texts[5]);
        return ws.ticket.comparison;
    }
};

struct ComparisonCase {
    const char* name;
    std::array<std::string, 6> row;
    int hits;
    std::array<bool, 5> positions;
    bool key;
};

TEST_F(HitEvaluation, ZettelcheckComparesEachCellAndStopsAtTheFirstTextThatIsNoNumber) {
    const ComparisonCase cases[] = {
        {"two hits and key", {"5", "12", "23", "34", "45", "3"}, 2, {1, 1, 0, 0, 0}, true},
        {"hits in any cell order", {"50", "1", "5", "2", "30", "4"}, 3, {1, 0, 1, 0, 1}, false},
        {"a number twice counts twice",
         {"12", "12", "1", "2", "4", "0"},
         2,
         {1, 1, 0, 0, 0},
         false},
        {"leading blanks convert", {" 5", "\t12", "1", "2", "4", " 3"}, 2, {1, 1, 0, 0, 0}, true},
        // Drawn 5 is compared with cells 1, 2, then cell 3 fails: 12 is never compared.
        {"stops at an empty cell", {"5", "12", "", "34", "45", "3"}, 1, {1, 0, 0, 0, 0}, false},
        {"stops at a letter", {"x", "5", "12", "30", "40", "3"}, 0, {0, 0, 0, 0, 0}, false},
        {"empty key leaves numbers done",
         {"5", "12", "30", "40", "50", ""},
         5,
         {1, 1, 1, 1, 1},
         false},
        {"key alone", {"1", "2", "4", "6", "7", "3"}, 0, {0, 0, 0, 0, 0}, true},
    };
    for (const ComparisonCase& c : cases) {
        SCOPED_TRACE(c.name);
        ws.ticket.comparison.hitCount = 99; // every comparison starts from nothing
        const RowComparison& result = compare(c.row);
        EXPECT_EQ(result.hitCount, c.hits);
        EXPECT_EQ(result.positionHit, c.positions);
        EXPECT_EQ(result.keyHit, c.key);
    }
}

TEST(WinningRow, TwoNumbersOrTheKeyAloneWin) {
    EXPECT_FALSE(isWinningRow(0, false));
    EXPECT_TRUE(isWinningRow(0, true));
    EXPECT_FALSE(isWinningRow(1, false));
    EXPECT_FALSE(isWinningRow(1, true));
    EXPECT_TRUE(isWinningRow(2, false));
    EXPECT_TRUE(isWinningRow(5, true));
}

TEST_F(HitEvaluation, MarksHitsOfAWinningRowAndCountsItsClass) {
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);

    const CellColour lime = CellColour::Lime, window = CellColour::Window;
    const std::array<CellColour, 6> expected{lime, lime, window, window, window, lime};
    for (int c = 0; c < TipSheet::kColumns; ++c)
        EXPECT_EQ(ws.ticket.sheet.colour(0, c), expected[static_cast<std::size_t>(c)])
            << "cell " << c;
    EXPECT_EQ(ws.ticket.sheet.hits(0), "2 + R");
    EXPECT_TRUE(ws.ticket.sheet.hitsRed(0));
    EXPECT_EQ(ws.ticket.sheet.sum(0), "119");
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"yippee.wav"});
    HitClassTable table{};
    table[2][1] = 1;
    EXPECT_EQ(ws.ticket.hitClasses, table);
}

struct LabelCase {
    std::array<std::string, 6> row;
    const char* hits;
    bool red;
    bool sound;
};

TEST_F(HitEvaluation, HitsLabelTextColourAndSoundFollowTheWinningRule) {
    const LabelCase cases[] = {
        {{"1", "2", "4", "6", "7", "3"}, "0 + R", true, true},
        {{"5", "2", "4", "6", "7", "3"}, "1 + R", false, false},
        {{"5", "12", "4", "6", "7", "9"}, "2", true, true},
        {{"1", "2", "4", "6", "7", ""}, "0", false, false},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.hits);
        ui.sounds.clear();
        setRow(0, c.row);
        Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
        EXPECT_EQ(ws.ticket.sheet.hits(0), c.hits);
        EXPECT_EQ(ws.ticket.sheet.hitsRed(0), c.red);
        EXPECT_EQ(ui.sounds.size(), c.sound ? 1u : 0u);
    }
}

TEST_F(HitEvaluation, SortsTheRowAndWritesItsSum) {
    setRow(3, {"40", "7", "22", "3", "15", "1"});
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
    EXPECT_EQ(row(3), (std::array<std::string, 6>{"3", "7", "15", "22", "40", "1"}));
    EXPECT_EQ(ws.ticket.sheet.sum(3), "87");
}

TEST_F(HitEvaluation, ARowWithAnEmptyCellFailsAloneAndLosesItsKey) {
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    setRow(1, {"5", "12", "30", "40", "50", "3"});
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
    ASSERT_EQ(ws.ticket.sheet.colour(0, 0), CellColour::Lime);

    ws.ticket.sheet.setCell(0, 2, "");
    setRow(1, {"5", "12", "", "40", "50", "3"});
    setRow(2, {"5", "12", "30", "1", "2", "0"});
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);

    for (int r = 0; r < 2; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(ws.ticket.sheet.hits(r), "");
        EXPECT_EQ(ws.ticket.sheet.cell(r, TipSheet::kKeyColumn), "");
        for (int c = 0; c < TipSheet::kColumns; ++c)
            EXPECT_EQ(ws.ticket.sheet.colour(r, c), CellColour::Window);
    }
    EXPECT_EQ(ws.ticket.sheet.sum(0), "119"); // the last successful evaluation's sum stays
    EXPECT_EQ(ws.ticket.sheet.hits(2), "3");  // the rows below are still evaluated
    HitClassTable table{};
    table[3][0] = 1;
    EXPECT_EQ(ws.ticket.hitClasses, table);
}

TEST_F(HitEvaluation, AnEmptySheetOrASwitchedOffEvaluationCountsNothing) {
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
    EXPECT_EQ(ws.ticket.hitClasses, HitClassTable{});

    setRow(0, {"40", "7", "22", "3", "15", "3"});
    ws.ticket.hitClasses[1][1] = 7;
    ws.ticket.evaluationSwitch = false;
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
    EXPECT_EQ(ws.ticket.hitClasses, HitClassTable{});
    EXPECT_EQ(ws.ticket.sheet.cell(0, 0), "40"); // not sorted: the sheet was not evaluated
    EXPECT_EQ(ws.ticket.sheet.hits(0), "");
    EXPECT_TRUE(ui.sounds.empty());
}

TEST_F(HitEvaluation, ADamagedCurrentDrawNeverOverflowsTheClassTable) {
    ws.drawWindow.current.take(draw(day(2024, 5, 26), {7, 7, 7, 7, 7}, 200));
    setRow(0, {"7", "7", "7", "7", "7", "9"});
    Komplettcheck(ws.program, ws.ticket, ws.drawWindow);
    EXPECT_EQ(ws.ticket.sheet.hits(0), "25");
    EXPECT_EQ(ws.ticket.hitClasses[5][0], 1);
}

} // namespace
} // namespace kav::test
