// SPDX-License-Identifier: GPL-3.0-or-later
// The click script's text: placeholder replacement, file names, line ends and encoding,
// the parameter string, and the dialog's list of templates.
#include "output/ClickScript.h"

#include "output/ClickScriptDialog.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

using Args = std::vector<std::string>;

TEST(ClickScriptText, ReplacementScansLeftToRightAndNeverRescansInsertedText) {
    EXPECT_EQ(replaceAll("[A]x[A]", "[A]", "[A][A]"), "[A][A]x[A][A]");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("no match", "[A]", "b"), "no match");
}

class ClickScriptFill : public WorkspaceTest {};

TEST_F(ClickScriptFill, TipPlaceholdersTakeTheCellTextsOfTheirRowAndColumn) {
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    setRow(1, {"1", "2", "3", "4", "54", "0"});
    setRow(4, {"7", "", "9", "10", "11", "2"});
    const std::string filled =
        fillClickScript("[Z1_1],[Z1_1] [Z6_1]|[Z5_2] [Z6_2]|[Z1_5][Z2_5][Z3_5]|[Z1_3][Z6_12].|"
                        "[z1_1] [Z1_13] [Z7_1] [Z1_0]",
                        ws.ticket.sheet, "/p/Tipps/20240608.hlt");
    EXPECT_EQ(filled, "5,5 3|54 0|79|.|[z1_1] [Z1_13] [Z7_1] [Z1_0]");
}

TEST_F(ClickScriptFill, FixedPlaceholdersFollowTheTipsInTheirOrder) {
    EXPECT_EQ(fillClickScript("[MELDUNGFERTIG]\n[TIPPDATEI]\n[MI][SA][MISA][SPIEL77][SUPER6]",
                              ws.ticket.sheet, "/p/Tipps/20240608.hlt"),
              std::string(kReadyMessage) + "\n/p/Tipps/20240608.hlt\nNEINNEINNEINNEINNEIN");
    // The tip file's path is inserted before "[MI]" is replaced, so a folder of that name
    // is replaced too: the order is part of the template language.
    EXPECT_EQ(fillClickScript("[TIPPDATEI]", ws.ticket.sheet, "/[MI]/x.hlt"), "/NEIN/x.hlt");
}

TEST(ClickScriptText, FilesAreNamedByPickerDatePlusSevenAndByToday) {
    EXPECT_EQ(submissionTipFileName(dayCountFromCivil({2024, 6, 1})), "20240608.hlt"); // Saturday
    EXPECT_EQ(submissionTipFileName(dayCountFromCivil({2024, 12, 28})), "20250104.hlt");
    EXPECT_EQ(clickScriptFileName(dayCountFromCivil({2024, 6, 3})), "20240603.vks");
}

TEST(ClickScriptText, EveryLineEndsWithCrLfInWindows1252) {
    EXPECT_EQ(clickScriptFileBytes("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(clickScriptFileBytes("überprüfen\n\n"), "\xFC"
                                                      "berpr\xFC"
                                                      "fen\r\n\r\n");
    EXPECT_EQ(clickScriptFileBytes(""), "");
}

TEST(ClickScriptText, TheParameterStringIsCutAtEveryBlankAndNothingIsQuoted) {
    const std::string line =
        klickwerkParameterString("/home/a b/Tipps/20240603.vks", {"0", "user", "7", "geheim"});
    EXPECT_EQ(line, "START /home/a b/Tipps/20240603.vks 0 user 7 geheim");
    EXPECT_EQ(splitAtBlanks(line),
              (Args{"START", "/home/a", "b/Tipps/20240603.vks", "0", "user", "7", "geheim"}));

    const std::string emptyTexts = klickwerkParameterString("/s.vks", {"0", "", "0", ""});
    EXPECT_EQ(emptyTexts, "START /s.vks 0  0 ");
    EXPECT_EQ(splitAtBlanks(emptyTexts), (Args{"START", "/s.vks", "0", "", "0", ""}));
}

class ClickScriptList : public WorkspaceTest {
protected:
    ClickScriptList() { std::filesystem::create_directory(scripts); }
    std::filesystem::path scripts = folder.path() / "Script";
};

TEST_F(ClickScriptList, ListsTemplatesInDirectoryOrderAndProposesTheLastOne) {
    for (const char* name : {"b.vks", "a.vks", "C.VKS", "notes.txt", "d.vks.bak"})
        writeBytes(scripts / name, "x");
    std::filesystem::create_directory(scripts / "folder.vks");
    Args expected;
    for (const auto& entry : std::filesystem::directory_iterator(scripts))
        if (entry.is_regular_file() && entry.path().filename() != "notes.txt" &&
            entry.path().filename() != "d.vks.bak")
            expected.push_back(entry.path().string());
    ASSERT_EQ(expected.size(), 3u);

    const auto list = listClickScripts(scripts, "");
    EXPECT_EQ(list.scripts, expected);
    EXPECT_EQ(list.text, expected.back());
}

TEST_F(ClickScriptList, KeepsARememberedTemplateEvenWhenItIsGone) {
    writeBytes(scripts / "a.vks", "x");
    EXPECT_EQ(listClickScripts(scripts, "/gone/old.vks").text, "/gone/old.vks");
    const auto empty = listClickScripts(folder.path() / "missing", "");
    EXPECT_TRUE(empty.scripts.empty());
    EXPECT_EQ(empty.text, "");
}

TEST(ClickScriptDialog, ClosingPutsZeroIntoEmptyNumberFieldsOnly) {
    ClickScriptFields fields{"/s.vks", "", "", "", ""};
    completeNumberFields(fields);
    EXPECT_EQ(fields, (ClickScriptFields{"/s.vks", "0", "0", "", ""}));
    fields.zahl1 = "12";
    completeNumberFields(fields);
    EXPECT_EQ(fields.zahl1, "12");
}

} // namespace
} // namespace kav::test
