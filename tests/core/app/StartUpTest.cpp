// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

class StartUpTest : public WorkspaceTest {};

TEST_F(StartUpTest, AMissingDrawFileIsCreatedWithTheSeedDrawAndUpdated) {
    std::vector<DayCount> updateStartedAt;
    ws.program.internetUpdate = [&] { updateStartedAt.push_back(ws.drawWindow.endPicker.value); };
    startUp(ws);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.front(), "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(storedDraws(), std::vector<DrawRecord>{DrawRecord::seed()});
    EXPECT_EQ(updateStartedAt, std::vector<DayCount>{kMinimumPickerDate});
    EXPECT_EQ(ws.drawWindow.endPicker.value, ws.program.today());

    // When the window shows, the seed draw becomes the current draw.
    onFirstShow(ws);
    EXPECT_EQ(ws.drawWindow.current.date, DrawRecord::seed().date);
    EXPECT_EQ(ws.drawWindow.current.index, 0);
    EXPECT_NE(ws.view.drawCaption.find("  34  42  47  48  51   R: 5"), std::string::npos);
    EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
    EXPECT_EQ(ws.view.crossSumCaption, "Quersumme: 222");
}

TEST_F(StartUpTest, AnUnreadableDrawFileIsReportedAndStartUpGoesOn) {
    std::filesystem::create_directory(
        drawFileOf(ws.program).path()); // a folder in the file's place
    startUp(ws);
    // A folder is not a draw file: creating one fails, is shown, and start-up goes on.
    EXPECT_FALSE(ui.errors.empty());
    EXPECT_TRUE(std::filesystem::is_directory(drawFileOf(ws.program).path()));
}

} // namespace
} // namespace kav::test
