// SPDX-License-Identifier: GPL-3.0-or-later
// CSV files of draws: what a spreadsheet's file may look like, the lines that fail an
// import, the merge by date, and the round trip through export and import.
#include "draws/DrawCsv.h"

#include "commands/CsvTransfer.h"
#include "commands/DrawReading.h"
#include "draws/DrawMerge.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kav::test {
namespace {

const DayCount kToday = dayCountFromCivil({2024, 6, 1});

TEST(DrawCsv, SpreadsheetFilesInBothDateFormsAndSeparators) {
    const std::string text = "\xEF\xBB\xBF"
                             "Datum;Z1;Z2;Z3;Z4;Z5;Clave\r\n"
                             "06.02.2005;34;42;47;48;51;5\r\n"
                             "\r\n"
                             ";;;;;;\r\n"
                             "\"2005-02-13\", \"5\" ,17,23,40,51,3\n"
                             "2005-2-20,1,2,3,4,54,0";
    const auto draws = parseDrawCsv(text, kToday);
    EXPECT_EQ(draws, (std::vector<DrawRecord>{DrawRecord::seed(),
                                              draw(day(2005, 2, 13), {5, 17, 23, 40, 51}, 3),
                                              draw(day(2005, 2, 20), {1, 2, 3, 4, 54}, 0)}));
    EXPECT_TRUE(parseDrawCsv("", kToday).empty());
    EXPECT_TRUE(parseDrawCsv("date,n1,n2,n3,n4,n5,key\r\n", kToday).empty());
}

TEST(DrawCsv, ALineThatIsNotADrawNamesItsNumberAndReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"2005-02-13,5,17,23,40,51", "7 Werte erwartet"},
        {"2005-02-13,5,17,23,40,51,3,9", "7 Werte erwartet"},
        {"13/02/2005,5,17,23,40,51,3", "kein Datum"},
        {"2005-02-30,5,17,23,40,51,3", "kein Datum"},
        {"2005-02-13,5,17,x,40,51,3", "keine ganze Zahl: \"x\""},
        {"2005-02-13,5,17,23,40,55,3", "die Zahl 55 liegt nicht zwischen 1 und 54"},
        {"2005-02-13,0,17,23,40,51,3", "die Zahl 0 liegt nicht zwischen 1 und 54"},
        {"2005-02-13,5,17,23,17,51,3", "die Zahl 17 kommt doppelt vor"},
        {"2005-02-13,5,17,23,40,51,10", "die Nº Clave 10 liegt nicht zwischen 0 und 9"},
        {"2005-02-05,5,17,23,40,51,3", "das Datum 05.02.2005 liegt vor dem 06.02.2005"},
        {"2024-06-02,5,17,23,40,51,3", "das Datum 02.06.2024 liegt in der Zukunft"},
    };
    for (const auto& [line, reason] : cases) {
        const std::string text = "date,n1,n2,n3,n4,n5,key\r\n\r\n2005-02-06,34,42,47,48,51,5\r\n" +
                                 std::string(line) + "\r\n";
        try {
            parseDrawCsv(text, kToday);
            ADD_FAILURE() << "taken: " << line;
        } catch (const DrawCsvError& e) {
            EXPECT_EQ(e.lineNumber(), 4) << line;
            EXPECT_EQ(std::string(e.what()).rfind(std::string("Zeile 4: ") + reason, 0), 0u)
                << e.what();
        }
    }
    // A first line that starts with a date is a draw, not a header: it must be a good one.
    EXPECT_THROW(parseDrawCsv("2005-02-13,5,17,23,40,99,3\r\n", kToday), DrawCsvError);
}

TEST(DrawCsv, ExportTextHasAHeaderAndIsoDates) {
    const std::vector<DrawRecord> draws{DrawRecord::seed(),
                                        draw(day(2005, 2, 13), {51, 5, 40, 23, 17}, 0)};
    EXPECT_EQ(drawCsvText(draws), "date,n1,n2,n3,n4,n5,key\r\n"
                                  "2005-02-06,34,42,47,48,51,5\r\n"
                                  "2005-02-13,51,5,40,23,17,0\r\n");
    EXPECT_EQ(parseDrawCsv(drawCsvText(draws), kToday), draws);
}

TEST(DrawMerge, ByDateInDateOrderWithConflictsKeptOrReplaced) {
    const DrawRecord feb06 = DrawRecord::seed();
    const DrawRecord feb20 = draw(day(2005, 2, 20), {1, 2, 3, 4, 5}, 6);
    const DrawRecord feb27 = draw(day(2005, 2, 27), {7, 8, 9, 10, 11}, 1);
    const std::vector<DrawRecord> stored{feb06, feb20, feb27};

    const DrawRecord feb13 = draw(day(2005, 2, 13), {5, 17, 23, 40, 51}, 3);
    const DrawRecord feb20Reordered = draw(day(2005, 2, 20), {5, 4, 3, 2, 1}, 6);
    const DrawRecord feb27Other = draw(day(2005, 2, 27), {7, 8, 9, 10, 12}, 1);
    const DrawRecord mar06 = draw(day(2005, 3, 6), {20, 21, 22, 23, 24}, 2);
    const std::vector<DrawRecord> imported{mar06, feb27Other, feb13, feb20Reordered};

    const DrawMerge kept = mergeDrawsByDate(stored, imported, false);
    EXPECT_EQ(kept.added, 2);
    EXPECT_EQ(kept.unchanged, 1); // the same numbers in another order
    EXPECT_EQ(kept.conflicts, 1);
    EXPECT_EQ(kept.conflictDates, std::vector<DayCount>{dayCountFromCivil({2005, 2, 27})});
    EXPECT_EQ(kept.records, (std::vector<DrawRecord>{feb06, feb13, feb20, feb27, mar06}));

    const DrawMerge replaced = mergeDrawsByDate(stored, imported, true);
    EXPECT_EQ(replaced.records, (std::vector<DrawRecord>{feb06, feb13, feb20, feb27Other, mar06}));

    // Two draws on one date (the update stores both lines of an answer) merge as a group.
    const DrawRecord feb20Second = draw(day(2005, 2, 20), {30, 31, 32, 33, 34}, 4);
    const std::vector<DrawRecord> twice{feb06, feb20, feb20Second};
    const DrawMerge same = mergeDrawsByDate(twice, twice, false);
    EXPECT_EQ(same.unchanged, 2);
    EXPECT_EQ(same.records, twice);
    EXPECT_EQ(mergeDrawsByDate(twice, std::vector<DrawRecord>{feb20}, false).conflicts, 1);
    const DrawMerge intoEmpty = mergeDrawsByDate({}, twice, false);
    EXPECT_EQ(intoEmpty.added, 2);
    EXPECT_EQ(intoEmpty.records, twice);

    // A damaged stored date stays where it is and matches nothing.
    DrawRecord damaged = feb27;
    damaged.date = std::numeric_limits<double>::quiet_NaN();
    const DrawMerge withDamaged = mergeDrawsByDate(std::vector<DrawRecord>{feb06, damaged},
                                                   std::vector<DrawRecord>{feb13}, false);
    ASSERT_EQ(withDamaged.records.size(), 3u);
    EXPECT_EQ(withDamaged.records[0], feb06);
    EXPECT_TRUE(std::isnan(withDamaged.records[1].date));
    EXPECT_EQ(withDamaged.records[2], feb13);
}

class DrawImportTest : public WorkspaceTest {
protected:
    std::filesystem::path csv(const std::string& text) {
        const auto path = folder.path() / "in.csv";
        writeBytes(path, text);
        return path;
    }
};

TEST_F(DrawImportTest, ExportThenImportIntoAnEmptyFolderGivesTheSameFile) {
    writeDraws({DrawRecord::seed(), draw(day(2005, 2, 12), {51, 5, 40, 23, 17}, 0),
                draw(day(2005, 2, 12), {1, 2, 3, 4, 5}, 9),
                draw(day(2024, 6, 1), {6, 7, 8, 9, 10}, 1)});
    const std::string original = readBytes(drawFileOf(ws.program).path());
    const auto file = folder.path() / "export.csv";
    EXPECT_EQ(exportDrawsToCsv(ws.program, file).exported, 4);

    TemporaryFolder emptyFolder;
    Workspace other(emptyFolder.path(), ui);
    other.program.todayProvider = ws.program.todayProvider;
    const ImportCounts counts =
        importDrawsFromCsv(other.program, other.run, file, ConflictChoice::Keep);
    EXPECT_EQ(counts.added, 3);
    EXPECT_EQ(readBytes(drawFileOf(other.program).path()), original);

    // Once more: everything is there already.
    const ImportCounts again =
        importDrawsFromCsv(other.program, other.run, file, ConflictChoice::Keep);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.unchanged, 3);
    EXPECT_EQ(readBytes(drawFileOf(other.program).path()), original);
}

TEST_F(DrawImportTest, ConflictsAreAskedAboutAndAppliedOnlyOnYes) {
    writeDraws({DrawRecord::seed()});
    const auto file = csv("2005-02-06,1,2,3,4,5,6\r\n2005-02-13,5,17,23,40,51,3\r\n");
    ui.yesNoAnswers = {false};
    ImportCounts counts = importDrawsFromCsv(ws.program, ws.run, file, ConflictChoice::Ask);
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.conflicts, 1);
    EXPECT_FALSE(counts.conflictsReplaced);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("06.02.2005"), std::string::npos);
    EXPECT_EQ(storedDraws(),
              (std::vector<DrawRecord>{DrawRecord::seed(),
                                       draw(day(2005, 2, 13), {5, 17, 23, 40, 51}, 3)}));

    ui.yesNoAnswers = {true};
    counts = importDrawsFromCsv(ws.program, ws.run, file, ConflictChoice::Ask);
    EXPECT_TRUE(counts.conflictsReplaced);
    EXPECT_EQ(storedDraws().front(), draw(day(2005, 2, 6), {1, 2, 3, 4, 5}, 6));
}

TEST_F(DrawImportTest, ABadLineFailsTheWholeImportAndLeavesTheFileAlone) {
    writeDraws({DrawRecord::seed()});
    const std::string before = readBytes(drawFileOf(ws.program).path());
    const auto file = csv("2005-02-13,5,17,23,40,51,3\r\n2005-02-20,5,17,23,40,51,12\r\n");
    try {
        importDrawsFromCsv(ws.program, ws.run, file, ConflictChoice::Replace);
        ADD_FAILURE() << "a bad file was imported";
    } catch (const std::runtime_error& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("Zeile 2: die Nº Clave 12"), std::string::npos) << text;
        EXPECT_NE(text.find("in.csv"), std::string::npos) << text;
    }
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
    EXPECT_THROW(
        importDrawsFromCsv(ws.program, ws.run, folder.path() / "missing.csv", ConflictChoice::Keep),
        IoError);
}

TEST_F(DrawImportTest, TheWindowCommandsShowTheCounts) {
    writeDraws({DrawRecord::seed()});
    ui.fileAnswers = {csv("2005-02-06,34,42,47,48,51,5\r\n2005-02-13,5,17,23,40,51,3\r\n")};
    importCsvCommand(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ui.messages.back(),
              "Ziehungen importieren: Import aus in.csv:\n1 neu, 1 unverändert, 0 abweichend.");
    EXPECT_EQ(ws.drawWindow.current.date, day(2005, 2, 13));

    // A damaged record is left out of an export, and the user hears of it.
    DrawRecord damaged = draw(day(2005, 2, 20), {1, 2, 3, 4, 5}, 6);
    damaged.slotValues[2] = 99;
    writeDraws({DrawRecord::seed(), damaged});
    const auto out = folder.path() / "out.csv";
    ui.fileAnswers = {out};
    exportCsvCommand(ws.program);
    EXPECT_NE(ui.messages.back().find("1 Ziehung(en) nach"), std::string::npos);
    EXPECT_NE(ui.messages.back().find("1 beschädigte"), std::string::npos);
    EXPECT_EQ(readBytes(out), "date,n1,n2,n3,n4,n5,key\r\n2005-02-06,34,42,47,48,51,5\r\n");

    // A cancelled dialog does nothing.
    const std::size_t shown = ui.messages.size();
    importCsvCommand(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    exportCsvCommand(ws.program);
    EXPECT_EQ(ui.messages.size(), shown);
}

} // namespace
} // namespace kav::test
