// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowEditor.h"

#include "commands/LuckyNumber.h"
#include "commands/RowEditing.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

using Row = std::array<std::string, 6>;

NumberBoxes checked(std::initializer_list<int> numbers) {
    NumberBoxes boxes;
    for (int k : numbers)
        boxes[k].checked = true;
    return boxes;
}

class RowEditor : public WorkspaceTest {};

TEST_F(RowEditor, TheDialogMarksTheRowAndOkWritesTheLowestCheckedNumbers) {
    struct Case {
        const char* name;
        Row before;
        std::optional<NumberBoxes> answer;
        std::vector<int> marked;
        Row after;
    };
    const Row row{"3", "17", "22", "40", "51", "6"};
    const Case cases[] = {
        {"OK unchanged", row, checked({3, 17, 22, 40, 51}), {3, 17, 22, 40, 51}, row},
        {"51 unchecked: the fifth cell keeps its number",
         row,
         checked({3, 17, 22, 40}),
         {3, 17, 22, 40, 51},
         {"3", "17", "22", "40", "51", "6"}},
        {"fewer numbers move up",
         row,
         checked({1, 54}),
         {3, 17, 22, 40, 51},
         {"1", "54", "22", "40", "51", "6"}},
        {"more than five: the five lowest",
         row,
         checked({9, 2, 44, 13, 30, 7, 50}),
         {3, 17, 22, 40, 51},
         {"2", "7", "9", "13", "30", "6"}},
        {"an empty first cell marks nothing",
         {"", "17", "22", "40", "51", ""},
         checked({}),
         {},
         {"", "17", "22", "40", "51", ""}},
        {"marking ends at the first empty cell",
         {"8", "", "22", "", "", ""},
         checked({8, 22}),
         {8},
         {"8", "22", "22", "", "", ""}},
        {"Abort changes nothing", row, std::nullopt, {3, 17, 22, 40, 51}, row},
    };
    for (const Case& c : cases) {
        setRow(2, c.before);
        ui.rowAnswers.push_back(c.answer);
        TippEditClick(ws.program, ws.ticket, ws.run, 2);
        ASSERT_FALSE(ui.rowQuestions.empty());
        EXPECT_EQ(ui.rowQuestions.back().marked, c.marked) << c.name;
        EXPECT_EQ(this->row(2), c.after) << c.name;
    }
    const TipRowQuestion& q = ui.rowQuestions.back();
    EXPECT_EQ(q.caption, "3.Tipp bearbeiten");
    EXPECT_EQ(q.captionAfterwards, "Zahlen für Berechnung wählen");
    EXPECT_EQ(q.pickCount, 5);
    EXPECT_EQ(q.setup.randomIdleText, "Zufall");
    EXPECT_EQ(q.setup.randomRunningSuffix, "Stopp");
    EXPECT_EQ(q.setup.numberCount, 54);
    EXPECT_EQ(q.setup.proposedListName, "20240601.hlw");
    EXPECT_EQ(q.setup.listFolder, ws.program.folder);
}

TEST_F(RowEditor, RowTwelveHasItsOwnCaption) {
    setRow(11, {"1", "2", "3", "4", "5", ""});
    ui.rowAnswers.push_back(std::nullopt);
    TippEditClick(ws.program, ws.ticket, ws.run, 11);
    EXPECT_EQ(ui.rowQuestions.back().caption, "12.Tipp bearbeiten");
    EXPECT_EQ(ui.rowQuestions.back().marked, (std::vector<int>{1, 2, 3, 4, 5}));
}

class LuckyNumber : public WorkspaceTest {
protected:
    std::uint32_t clock() {
        ++clockReads;
        return 0xC10C;
    }
    std::function<std::uint32_t()> clockSeed = [this] { return clock(); };
    int clockReads = 0;
};

TEST_F(LuckyNumber, AWholeNumberBecomesTheSeedAndTheStatusSaysSo) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"815", 815u},
        {"0", 0u},
        {"-1", 0xFFFFFFFFu},
        {" +2147483647", 2147483647u},
        {"123456789", 123456789u},
    };
    for (const auto& [text, seed] : cases) {
        ui.textAnswers.push_back(text);
        SpeedButton13Click(ws.program, ws.run, ws.view, clockSeed);
        EXPECT_EQ(ws.run.random.seed(), seed) << text;
    }
    EXPECT_EQ(ws.view.status.panel1, "Glückszahl 123456789 gesetzt");
    EXPECT_EQ(ui.questions.back(), "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!");
    EXPECT_EQ(clockReads, 0);
}

TEST_F(LuckyNumber, CancellingTakesTheProposalAndOtherTextReseedsFromTheClock) {
    ws.run.random.setSeed(99);
    Random expected(99);
    const std::uint32_t proposal = expected.next(99999);
    ui.textAnswers.push_back(std::nullopt);
    SpeedButton13Click(ws.program, ws.run, ws.view, clockSeed);
    EXPECT_EQ(ws.run.random.seed(), proposal);
    EXPECT_EQ(ws.view.status.panel1, "Glückszahl " + std::to_string(proposal) + " gesetzt");

    ws.view.status.panel1 = "vorher";
    for (const char* text : {"abc", "", "12abc", "4294967296"}) {
        ui.textAnswers.push_back(text);
        SpeedButton13Click(ws.program, ws.run, ws.view, clockSeed);
        EXPECT_EQ(ws.run.random.seed(), 0xC10Cu) << text;
    }
    EXPECT_EQ(clockReads, 4);
    EXPECT_EQ(ws.view.status.panel1, "vorher");
}

} // namespace
} // namespace kav::test
