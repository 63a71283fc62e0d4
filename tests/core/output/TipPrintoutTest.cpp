// SPDX-License-Identifier: GPL-3.0-or-later
// "Tipp ausdrucken": the text of "Tipp.txt", its encoding, and that a row that cannot be
// printed leaves everything as it was.
#include "output/TipPrintout.h"

#include "commands/DrawNavigation.h"
#include "commands/DrawSelection.h"
#include "commands/Printout.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

const std::string kRule(46, '~');

class TipPrintoutTest : public WorkspaceTest {
protected:
    TipPrintoutTest() { ws.drawWindow.current.date = day(2013, 12, 21); }

    std::filesystem::path printout() const { return folder.path() / "Tipp.txt"; }
    std::string printed() {
        BitBtn7Click(ws.program, ws.ticket, ws.drawWindow);
        return readBytes(printout());
    }
};

TEST_F(TipPrintoutTest, WithoutAFilledRowTheFileHasExactlyThreeLines) {
    setRow(1, {"", "12", "23", "34", "45", "3"}); // only the first cell decides
    EXPECT_EQ(printed(), "Velmors Lotto-Tipp f\xFCr 28.12.2013\r\n" + kRule + "\r\n\r\n");
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0], printout().string());
}

TEST_F(TipPrintoutTest, RowLinesAreLabelledAndAlignedInTwoColumns) {
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    EXPECT_EQ(printoutLines(
                  makeTipPrintout(ws.ticket.sheet, ws.program.messages, ws.drawWindow.current.date))
                  .back(),
              " 1. Tipp:  5   12   23   34   45   Sterne:  3");

    ws.ticket.sheet.clearRow(0);
    setRow(2, {"7", "47", "1", "54", "10", "0"});
    setRow(10, {"47", "7", "2", "3", "4", "9"});
    EXPECT_EQ(printed(), "Velmors Lotto-Tipp f\xFCr 28.12.2013\r\n" + kRule + "\r\n\r\n" +
                             " 3. Tipp:  7   47    1   54   10   Sterne:  0\r\n"
                             "11. Tipp: 47    7    2    3    4   Sterne:  9\r\n");
}

TEST_F(TipPrintoutTest, TheHeaderFollowsTheCurrentDrawAfterAStepBack) {
    writeDraws(
        {draw(day(2024, 5, 18), {1, 2, 3, 4, 5}, 1), draw(day(2024, 5, 25), {6, 7, 8, 9, 10}, 2)});
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 5, 28}));
    SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(BitBtn7Click(ws.program, ws.ticket, ws.drawWindow).substr(0, 34),
              "Velmors Lotto-Tipp für 01.06.2024");
    SpeedButton6Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(BitBtn7Click(ws.program, ws.ticket, ws.drawWindow).substr(0, 34),
              "Velmors Lotto-Tipp für 25.05.2024");
}

TEST_F(TipPrintoutTest, ALanguageChangesOnlyTheThreeWordsFromTheMessageTable) {
    std::vector<std::string> lines = MessageTable::germanLines();
    lines[28] = "Tip";
    lines[32] = "Velmor's lottery tip for ";
    lines[33] = "Stars";
    ws.program.messages.replace(lines);
    setRow(8, {"9", "19", "29", "39", "49", "4"});
    EXPECT_EQ(printed(), "Velmor's lottery tip for 28.12.2013\r\n" + kRule + "\r\n\r\n" +
                             " 9. Tip:  9   19   29   39   49   Stars:  4\r\n");
}

TEST_F(TipPrintoutTest, ARowWithAnEmptyLaterCellStopsBeforeAnythingIsWritten) {
    writeBytes(printout(), "earlier printout");
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    setRow(3, {"1", "2", "", "4", "5", "6"});
    try {
        BitBtn7Click(ws.program, ws.ticket, ws.drawWindow);
        FAIL() << "the fourth row has an empty cell";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("4. Tipp"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readBytes(printout()), "earlier printout");
    EXPECT_TRUE(ui.opened.empty());
}

TEST_F(TipPrintoutTest, AFileThatCannotBeWrittenIsReportedAndNothingIsOpened) {
    std::filesystem::create_directory(printout()); // the name is taken by a folder
    EXPECT_THROW(BitBtn7Click(ws.program, ws.ticket, ws.drawWindow), IoError);
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_TRUE(std::filesystem::is_directory(printout()));
}

} // namespace
} // namespace kav::test
