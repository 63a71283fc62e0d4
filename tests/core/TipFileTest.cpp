// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/TipFile.h"

#include "commands/TipFileCommands.h"
#include "support/FailingFileLayer.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

using Row = std::array<std::string, 6>;

class TipFile : public WorkspaceTest {
protected:
    std::filesystem::path file(const char* name) const { return folder.path() / name; }
    void loadText(const std::string& bytes) {
        writeBytes(file("in.hlt"), bytes);
        loadTipFile(ws.ticket.sheet, file("in.hlt"));
    }
};

TEST(TipFileName, ProposesTheNextDrawDayAfterTheEndDate) {
    struct Case {
        CivilDate end;
        const char* name;
    };
    const Case cases[] = {
        {{2024, 6, 2}, "20240606.hlt"},   // Sunday -> Thursday
        {{2024, 6, 4}, "20240607.hlt"},   // Tuesday -> Friday
        {{2024, 6, 1}, "20240605.hlt"},   // Saturday -> Wednesday
        {{2024, 12, 29}, "20250102.hlt"}, // across the year
    };
    for (const Case& c : cases)
        EXPECT_EQ(proposedTipFileName(dayCountFromCivil(c.end)), c.name);
}

TEST_F(TipFile, SavesFilledRowsOnlyAndLoadsThemIntoConsecutiveRows) {
    setRow(0, {"3", "7", "15", "22", "40", "5"});
    setRow(1, {"", "8", "9", "10", "11", "2"}); // skipped: its first cell is empty
    setRow(2, {"1", "", "30", "44", "54", ""});
    saveTipFile(ws.ticket.sheet, file("t.hlt"));
    EXPECT_EQ(readBytes(file("t.hlt")), "3,7,15,22,40,5\r\n1,,30,44,54,\r\n");

    ws.ticket.sheet.setLocked(5, true);
    setRow(5, {"9", "9", "9", "9", "9", "9"});
    loadTipFile(ws.ticket.sheet, file("t.hlt"));
    EXPECT_EQ(row(0), (Row{"3", "7", "15", "22", "40", "5"}));
    EXPECT_EQ(row(1), (Row{"1", "", "30", "44", "54", ""}));
    for (int r = 2; r < TipSheet::kRows; ++r)
        EXPECT_EQ(row(r), Row{}) << "row " << r; // also the locked row: the file fills all rows
    EXPECT_TRUE(ws.ticket.sheet.locked(5));
}

TEST_F(TipFile, AnEmptySheetGivesAnEmptyFileThatClearsTheSheet) {
    saveTipFile(ws.ticket.sheet, file("empty.hlt"));
    EXPECT_EQ(readBytes(file("empty.hlt")), "");
    setRow(4, {"1", "2", "3", "4", "5", "6"});
    ws.ticket.sheet.setSum(4, "15");
    loadTipFile(ws.ticket.sheet, file("empty.hlt"));
    EXPECT_EQ(row(4), Row{});
    EXPECT_EQ(ws.ticket.sheet.sum(4), "");
}

TEST_F(TipFile, LinesAreSplitAtTheFirstFiveCommasAndValidated) {
    struct Case {
        const char* line;
        Row row;
    };
    const Case cases[] = {
        {"3,7,15,22,40,5", {"3", "7", "15", "22", "40", "5"}},
        {"3,7,15,22,40,5\r", {"3", "7", "15", "22", "40", "5"}},
        {"07, 8,,22,40,5", {"7", "8", "", "22", "40", "5"}},
        {"3,7,5", {"3", "7", "", "", "", "5"}}, // fields without a comma stay empty
        {"3,7,15", {"3", "7", "", "", "", ""}}, // "15" lands in the key cell: out of range
        {"55,0,-3,+4,54,10", {"", "", "", "4", "54", ""}},
        {"", Row{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        loadText(std::string(c.line) + "\n");
        EXPECT_EQ(row(0), c.row);
    }
}

// "hello world" and "1,2,3" once emptied all twelve rows, the locked one included, without
// a word. A file that is no tip file is refused whole, naming the file and the line.
TEST_F(TipFile, AFileThatIsNoTipFileIsRefusedAndTheSheetStays) {
    std::string junk;
    for (int i = 0; i < 500; ++i) // every byte but the line feed, NUL and CR included
        junk += static_cast<char>((i * 37 + 11) % 256 == '\n' ? 0 : (i * 37 + 11) % 256);
    std::string thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen += "1,2,3,4,5,6\r\n";
    struct Case {
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"hello world\r\n1,2,3\r\n", "Zeile 1 (\"hello world\") ist keine Tippreihe"},
        {"1,2,3,4,5,6\r\n3,x,5\r\n", "Zeile 2 (\"3,x,5\")"},
        {"1,2,3,4,5,6,7\r\n", "Zeile 1"}, // a seventh field is no cell's
        {"1,2,3 ,4,5,6\r\n", "Zeile 1"},
        {junk, "Zeile 1"},
        {thirteen, "Sie hat 13 Zeilen, ein Tipp hat höchstens 12 Reihen."},
    };
    setRow(0, {"3", "7", "15", "22", "40", "5"});
    ws.ticket.sheet.setLocked(0, true);
    ws.ticket.sheet.setSum(0, "87");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        writeBytes(file("in.hlt"), c.text);
        try {
            loadTipFile(ws.ticket.sheet, file("in.hlt"));
            ADD_FAILURE() << "loaded";
        } catch (const IoError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(file("in.hlt").string() + " ist keine Tippdatei"),
                      std::string::npos)
                << text;
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        }
        EXPECT_EQ(row(0), (Row{"3", "7", "15", "22", "40", "5"}));
        EXPECT_TRUE(ws.ticket.sheet.locked(0));
        EXPECT_EQ(ws.ticket.sheet.sum(0), "87");
    }

    // Twelve rows and an editor's empty last lines are a tip file; a locked row the file
    // empties loses its sum with its numbers.
    writeBytes(file("in.hlt"), "\r\n1,2,3,4,5,6\r\n\r\n\n");
    loadTipFile(ws.ticket.sheet, file("in.hlt"));
    EXPECT_EQ(row(0), Row{});
    EXPECT_EQ(ws.ticket.sheet.sum(0), "");
    EXPECT_EQ(row(1), (Row{"1", "2", "3", "4", "5", "6"}));
}

TEST_F(TipFile, AFailedSaveKeepsTheEarlierFile) {
    writeBytes(file("keep.hlt"), "1,2,3,4,5,6\r\n");
    setRow(0, {"3", "7", "15", "22", "40", "5"});
    {
        // The temporary file cannot be made.
        FailingFileLayer layer(FailingFileLayer::Step::Open, 1, EACCES);
        const FileLayerOverride failing(layer);
        EXPECT_THROW(saveTipFile(ws.ticket.sheet, file("keep.hlt")), IoError);
    }
    EXPECT_EQ(readBytes(file("keep.hlt")), "1,2,3,4,5,6\r\n");

    EXPECT_THROW(saveTipFile(ws.ticket.sheet, file("no/such/folder.hlt")), IoError);
}

TEST_F(TipFile, AFileThatCannotBeOpenedLeavesTheSheetAlone) {
    setRow(0, {"3", "7", "15", "22", "40", "5"});
    EXPECT_THROW(loadTipFile(ws.ticket.sheet, file("missing.hlt")), IoError);
    EXPECT_EQ(row(0), (Row{"3", "7", "15", "22", "40", "5"}));
}

TEST_F(TipFile, SaveButtonProposesTheNameInTheProgramFolder) {
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 2}));
    setRow(0, {"3", "7", "15", "22", "40", "5"});
    SpeedButton15Click(ws.program, ws.ticket, ws.drawWindow); // cancelled
    ui.fileAnswers.push_back(file("chosen.hlt"));
    SpeedButton15Click(ws.program, ws.ticket, ws.drawWindow);

    ASSERT_EQ(ui.saveRequests.size(), 2u);
    const FileDialogRequest& request = ui.saveRequests[0];
    EXPECT_EQ(request.initialFolder, folder.path());
    EXPECT_EQ(request.proposedName, "20240606.hlt");
    EXPECT_EQ(request.filter, "Tippdatei|*.hlt");
    EXPECT_EQ(request.defaultExtension, "hlt");
    EXPECT_EQ(readBytes(file("chosen.hlt")), "3,7,15,22,40,5\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(TipFile, LoadButtonEvaluatesAlsoAfterACancelledDialog) {
    writeDraws({draw(day(2024, 6, 2), {5, 12, 30, 40, 50}, 3)});
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 2}));
    setRow(0, {"50", "40", "1", "2", "3", "3"});
    SpeedButton16Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.ticket.sheet.hits(0), "2 + R");

    writeBytes(file("t.hlt"), "5,12,30,1,2,0\r\n");
    ui.fileAnswers.push_back(file("t.hlt"));
    SpeedButton16Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(row(0), (Row{"1", "2", "5", "12", "30", "0"}));
    EXPECT_EQ(ws.ticket.sheet.hits(0), "3");
    EXPECT_EQ(ui.openRequests.back().filter, "Tippdatei|*.hlt");
}

} // namespace
} // namespace kav::test
