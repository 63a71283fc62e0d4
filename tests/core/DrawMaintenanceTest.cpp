// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawMaintenance.h"

#include "commands/DrawEditing.h"
#include "commands/DrawNavigation.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "support/FailingFileLayer.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

const std::vector<DrawRecord> kDraws{
    draw(day(2024, 5, 18), {3, 14, 25, 36, 47}, 1),
    draw(day(2024, 5, 25), {5, 12, 30, 40, 50}, 3),
    draw(day(2024, 6, 1), {1, 2, 3, 4, 54}, 0),
};

class DrawMaintenance : public WorkspaceTest {
protected:
    DrawMaintenance() { writeDraws(kDraws); }

    void showDrawOf(double date) {
        ws.drawWindow.endPicker.set(roundToDay(date));
        SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    }
    void enter(const DrawRecord& answer) {
        ui.drawAnswers.push_back(answer);
        enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    }
    bool temporaryFilesLeft() const { return !temporaryFilesIn(folder.path()).empty(); }
};

TEST_F(DrawMaintenance, TheDialogOpensOnTheDrawOfTheEndDateOrTheNewest) {
    showDrawOf(day(2024, 5, 25));
    enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    ws.drawWindow.endPicker.set(roundToDay(day(2024, 5, 20)));
    enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ui.drawPresets, (std::vector<DrawRecord>{kDraws[1], kDraws[2]}));
}

TEST_F(DrawMaintenance, ANewerDrawIsAppendedSortedAndTheFormerDrawStaysOnDisplay) {
    showDrawOf(day(2024, 6, 1));
    enter(draw(day(2024, 6, 8), {40, 7, 22, 3, 15}, 9));

    std::vector<DrawRecord> expected = kDraws;
    expected.push_back(draw(day(2024, 6, 8), {3, 7, 15, 22, 40}, 9));
    EXPECT_EQ(storedDraws(), expected);
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[2].date);

    SpeedButton7Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_EQ(ws.drawWindow.current.date, day(2024, 6, 8));
    EXPECT_EQ(ws.drawWindow.current.crossSum(), 87);
}

TEST_F(DrawMaintenance, ADrawOfAStoredDateReplacesItAndKeepsTheFileLength) {
    showDrawOf(day(2024, 5, 25));
    const auto sizeBefore = std::filesystem::file_size(drawFileOf(ws.program).path());
    enter(draw(day(2024, 5, 25), {9, 8, 7, 6, 5}, 4));

    EXPECT_EQ(std::filesystem::file_size(drawFileOf(ws.program).path()), sizeBefore);
    const std::vector<DrawRecord> expected{kDraws[0], draw(day(2024, 5, 25), {5, 6, 7, 8, 9}, 4),
                                           kDraws[2]};
    EXPECT_EQ(storedDraws(), expected);
    EXPECT_FALSE(temporaryFilesLeft());
    EXPECT_EQ(ws.drawWindow.current.number(0), 5); // the corrected draw is current again
}

TEST_F(DrawMaintenance, ADrawBetweenTwoStoredDrawsIsInsertedInDateOrder) {
    enter(draw(day(2024, 5, 22), {1, 2, 3, 4, 5}, 6));
    const std::vector<DrawRecord> expected{kDraws[0], draw(day(2024, 5, 22), {1, 2, 3, 4, 5}, 6),
                                           kDraws[1], kDraws[2]};
    EXPECT_EQ(storedDraws(), expected);
    EXPECT_FALSE(temporaryFilesLeft());
}

TEST(DrawMerge, EveryDrawOfTheEntryDateIsReplacedByOne) {
    const DrawRecord entry = draw(day(2024, 5, 25), {1, 2, 3, 4, 5}, 0);
    const std::vector<DrawRecord> twice{kDraws[0], kDraws[1], kDraws[1], kDraws[2]};
    EXPECT_EQ(mergedRecords(twice, entry), (std::vector<DrawRecord>{kDraws[0], entry, kDraws[2]}));
    const DrawRecord first = draw(day(2020, 1, 1), {1, 2, 3, 4, 5}, 0);
    EXPECT_EQ(mergedRecords(kDraws, first).front(), first);
}

TEST_F(DrawMaintenance, AnAbortedDialogWritesNothing) {
    const std::string before = readBytes(drawFileOf(ws.program).path());
    enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
}

TEST_F(DrawMaintenance, AMissingOrEmptyFileStopsTheEntryBeforeTheDialog) {
    writeDraws({});
    EXPECT_THROW(enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view), IoError);
    std::filesystem::remove(drawFileOf(ws.program).path());
    EXPECT_THROW(enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view), IoError);
    EXPECT_TRUE(ui.drawPresets.empty());
    EXPECT_FALSE(drawFileOf(ws.program).exists());
}

TEST_F(DrawMaintenance, AFailedRewriteLeavesTheDrawFileAsItWas) {
    const std::string before = readBytes(drawFileOf(ws.program).path());
    showDrawOf(day(2024, 5, 25));
    // The temporary file cannot be created (a read-only folder).
    FailingFileLayer forEntry(FailingFileLayer::Step::Open, 1, EROFS);
    FailingFileLayer forDeletion(FailingFileLayer::Step::Open, 1, EROFS);
    {
        const FileLayerOverride failing(forEntry);
        EXPECT_THROW(enter(draw(day(2024, 5, 25), {1, 2, 3, 4, 5}, 0)), IoError);
    }
    {
        const FileLayerOverride failing(forDeletion);
        EXPECT_THROW(deleteCurrentDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view),
                     IoError);
    }
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(DrawMaintenance, ADrawWithARepeatedNumberIsRefusedAndChangesNothing) {
    const struct {
        std::array<int, 5> numbers;
        const char* named;
    } cases[] = {
        {{5, 5, 5, 5, 5}, "Die Zahl 5 "},
        {{40, 7, 22, 7, 15}, "Die Zahl 7 "},
        {{54, 1, 2, 3, 54}, "Die Zahl 54 "},
    };
    showDrawOf(day(2024, 5, 25));
    const std::string before = readBytes(drawFileOf(ws.program).path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        // A new date (appended) and a stored one (merged) are refused alike.
        for (const DrawRecord& answer :
             {draw(day(2024, 6, 8), c.numbers, 1), draw(day(2024, 5, 18), c.numbers, 1)}) {
            try {
                enter(answer);
                ADD_FAILURE() << "accepted";
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
            }
        }
    }
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
    EXPECT_FALSE(temporaryFilesLeft());
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[1].date);
    EXPECT_EQ(repeatedNumber(kDraws[0]), std::nullopt);
}

// The end date cannot go back to a draw dated before the picker's first date, or to a
// damaged one; the entry is stored all the same, and that is no failure.
TEST_F(DrawMaintenance, AnEntryIsNoFailureWhenTheEndDateCannotGoBack) {
    writeDraws({draw(day(2005, 1, 30), {1, 2, 3, 4, 5}, 0)});
    ws.drawWindow.endPicker.set(roundToDay(day(2005, 2, 6)));
    enter(draw(day(2005, 1, 30), {6, 7, 8, 9, 10}, 1));
    EXPECT_EQ(storedDraws().front().number(0), 6);

    DrawRecord damaged = draw(day(2024, 5, 25), {1, 2, 3, 4, 5}, 0);
    damaged.date = -1e300;
    writeDraws({damaged});
    enter(draw(day(2024, 6, 8), {6, 7, 8, 9, 10}, 1));
    EXPECT_EQ(storedDraws().size(), 2u);
    EXPECT_TRUE(ui.errors.empty());
}

// The dialog runs without the lock: a draw another writer stored meanwhile stays.
TEST_F(DrawMaintenance, TheEntryGoesIntoTheFileAsItIsAfterTheDialog) {
    const DrawRecord theirs = draw(day(2024, 6, 8), {6, 7, 8, 9, 10}, 1);
    const DrawRecord mine = draw(day(2024, 5, 25), {9, 8, 7, 6, 5}, 4);
    struct OtherWriter : ScriptedInteraction {
        DrawFile file;
        DrawRecord theirs, mine;
        OtherWriter(DrawFile f, DrawRecord t, DrawRecord m) : file(f), theirs(t), mine(m) {}
        std::optional<DrawRecord> editDraw(const DrawRecord&) override {
            file.append(theirs);
            return mine;
        }
    } other(drawFileOf(ws.program), theirs, mine);
    Workspace here(folder.path(), other);
    here.program.todayProvider = ws.program.todayProvider;
    enterDraw(here.program, here.ticket, here.drawWindow, here.run, here.view);
    EXPECT_EQ(storedDraws(),
              (std::vector<DrawRecord>{kDraws[0], enteredRecord(mine), kDraws[2], theirs}));
}

TEST_F(DrawMaintenance, DeletingRemovesEveryDrawOfTheCurrentDateAndShowsTheNextOne) {
    writeDraws({kDraws[0], kDraws[1], kDraws[1], kDraws[2]});
    showDrawOf(day(2024, 5, 25));
    deleteCurrentDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);

    EXPECT_EQ(storedDraws(), (std::vector<DrawRecord>{kDraws[0], kDraws[2]}));
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[2].date);
    EXPECT_FALSE(temporaryFilesLeft());
    EXPECT_TRUE(ui.questions.empty());
}

} // namespace
} // namespace kav::test
