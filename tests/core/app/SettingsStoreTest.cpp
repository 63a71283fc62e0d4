// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsStore.h"

#include "app/SettingsLoad.h"

#include "model/Controls.h"
#include "support/ScriptedInteraction.h"
#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kav::test {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    std::filesystem::path store() const { return folder.path() / "Kavanto.conf"; }
    std::filesystem::path dated(const std::string& suffix) const {
        return folder.path() / ("Kavanto.conf." + suffix);
    }

    TemporaryFolder folder;
    ScriptedInteraction ui;
    const DayCount today = dayCountFromCivil({2024, 6, 2});
};

TEST(SettingsStoreFile, UnparsableMeansNotTextOrNoWellFormedLine) {
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {" \r\n\n\t", false},
        {"Chekcbox1=dword:1\n", false},
        {"garbage\nUpDown4=sz:3\n=dword:1\n", false}, // one good line among bad ones
        {"garbage", true},
        {"x=dword:notanumber\ny=binary:ABC\n", true},
        {std::string("Chekcbox1=dword:1\n\0\0\0", 21), true},
        {"\x89PNG\r\n\x1A\n", true},
        // Written with the marks: whole, cut after a value, cut inside the head mark.
        {"#kavanto-settings\nChekcbox1=dword:1\n#end\n", false},
        {"#kavanto-settings\r\nChekcbox1=dword:1\r\n#end", false},
        {"#kavanto-settings\nChekcbox1=dword:1\n", true},
        {"#kavanto-settings\nChekcbox1=dword:1\n#en", true},
        {"#kavanto-settings\n", true},
        {"#kavan", true},
    };
    for (const auto& [content, unparsable] : cases)
        EXPECT_EQ(isUnparsableSettingsFile(content), unparsable) << content;
}

// The damaged store is renamed with the date before anything can write it, the user is
// told once, and the defaults apply; a second one the same day gets a name of its own.
TEST_F(SettingsStoreTest, ADamagedStoreIsSetAsideAndTheUserToldOnce) {
    const std::string damaged("\x00\x01garbage\xFF", 10);
    writeBytes(store(), damaged);
    OpenedSettingsStore opened = openSettingsStore(store(), today, ui);
    EXPECT_TRUE(opened.values.empty());
    EXPECT_TRUE(opened.writable);
    EXPECT_FALSE(std::filesystem::exists(store()));
    EXPECT_EQ(readBytes(dated("2024-06-02")), damaged);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(dated("2024-06-02").string()), std::string::npos);

    writeBytes(store(), "more garbage");
    openSettingsStore(store(), today, ui);
    EXPECT_EQ(readBytes(dated("2024-06-02-2")), "more garbage");
    EXPECT_EQ(readBytes(dated("2024-06-02")), damaged);

    // The save after a set-aside writes a fresh store and leaves the old ones alone.
    ASSERT_TRUE(saveSettingsStore(store(), {{"Sprache", SettingValue::ofInteger(2)}}, today));
    EXPECT_EQ(readSettingsFile(store()).at("Sprache"), SettingValue::ofInteger(2));
    EXPECT_EQ(readBytes(dated("2024-06-02")), damaged);
}

// A store cut short once loaded the values before the cut and defaults for the rest, and
// the save at close wrote those defaults over it. Now it is set aside like a damaged one.
TEST_F(SettingsStoreTest, AStoreCutShortIsSetAsideAndItsPartNeverLoaded) {
    SettingsValues values;
    for (int i = 1; i <= 60; ++i)
        values["Edit" + std::to_string(i)] = SettingValue::ofText(std::to_string(i * 7));
    ASSERT_TRUE(saveSettingsStore(store(), values, today));
    EXPECT_EQ(openSettingsStore(store(), today, ui).values, values);
    EXPECT_TRUE(ui.messages.empty());

    const std::string whole = readBytes(store());
    const std::string cut = whole.substr(0, whole.size() / 2);
    writeBytes(store(), cut);
    const OpenedSettingsStore opened = openSettingsStore(store(), today, ui);
    EXPECT_TRUE(opened.values.empty());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(readBytes(dated("2024-06-02")), cut);
}

TEST_F(SettingsStoreTest, AStoreWithSomeMalformedLinesLoadsItsGoodOnes) {
    writeBytes(store(), "Chekcbox1=dword:1\nnonsense\nUpDown7=dword:x\nProxyHostEdit=sz:p\n");
    const OpenedSettingsStore opened = openSettingsStore(store(), today, ui);
    EXPECT_EQ(opened.values, (SettingsValues{{"Chekcbox1", SettingValue::ofInteger(1)},
                                             {"ProxyHostEdit", SettingValue::ofText("p")}}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(store()));
}

// A store that is there but cannot be read is never written over.
TEST_F(SettingsStoreTest, AnUnreadableStoreIsLeftAlone) {
    std::filesystem::create_directories(store());
    const OpenedSettingsStore opened = openSettingsStore(store(), today, ui);
    EXPECT_FALSE(opened.writable);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(saveSettingsStore(store(), {{"Sprache", SettingValue::ofInteger(2)}}, today));
    EXPECT_TRUE(std::filesystem::is_directory(store()));
    EXPECT_TRUE(openSettingsStore(folder.path() / "missing.conf", today, ui).writable);
}

// The save lays its values over the store: what it leaves out (the size of a maximized
// window, a value of a later version) keeps its stored value.
TEST_F(SettingsStoreTest, TheSaveKeepsWhatItLeavesOut) {
    ASSERT_TRUE(writeSettingsFile(store(), {{"height", SettingValue::ofInteger(600)},
                                            {"width", SettingValue::ofInteger(700)},
                                            {"Later", SettingValue::ofText("x")},
                                            {"Sprache", SettingValue::ofInteger(5)}}));
    ASSERT_TRUE(saveSettingsStore(store(), {{"Sprache", SettingValue::ofInteger(2)}}, today));
    EXPECT_EQ(readSettingsFile(store()), (SettingsValues{{"height", SettingValue::ofInteger(600)},
                                                         {"width", SettingValue::ofInteger(700)},
                                                         {"Later", SettingValue::ofText("x")},
                                                         {"Sprache", SettingValue::ofInteger(2)}}));

    // A store damaged while the program ran is set aside before the save writes.
    writeBytes(store(), "garbage");
    ASSERT_TRUE(saveSettingsStore(store(), {{"Sprache", SettingValue::ofInteger(3)}}, today));
    EXPECT_EQ(readBytes(dated("2024-06-02")), "garbage");
    EXPECT_EQ(readSettingsFile(store()), (SettingsValues{{"Sprache", SettingValue::ofInteger(3)}}));
}

// The load and save orders through a store file in a temporary folder, as a start and a
// close of the window run them: each case stores some values, starts a fresh Workspace
// from the store and checks what it shows.
class StoredSettingsTest : public WorkspaceTest {
protected:
    std::filesystem::path store() const { return folder.path() / "settings" / "Kavanto.conf"; }

    // A fresh start from the store as it is now.
    std::unique_ptr<Workspace> start() {
        auto started = std::make_unique<Workspace>(folder.path(), ui);
        started->program.todayProvider = ws.program.todayProvider;
        started->ticket.evaluationSwitch = false;
        loadSettings(*started, openSettingsStore(store(), started->program.today(), ui).values);
        return started;
    }
    DayCount today() const { return ws.program.today(); }
};

TEST_F(StoredSettingsTest, AFirstRunStartsWithTheDefaultsAndWritesTheWholeSaveList) {
    const auto w = start();
    EXPECT_TRUE(w->ticket.evaluationSwitch);
    EXPECT_TRUE(w->options.checked(CheckBox::MaximumOverlap));
    EXPECT_EQ(w->options.value(UpDown::AttemptBudget), 50);
    EXPECT_EQ(w->options.keyModeItem(), 2);
    EXPECT_EQ(w->options.proxyPort, "80");
    EXPECT_EQ(w->drawWindow.startPicker.value, kMinimumPickerDate);
    EXPECT_EQ(w->languageNumber, 0);
    ASSERT_TRUE(saveSettingsStore(store(), saveSettings(*w, true), today()));
    EXPECT_EQ(readSettingsFile(store()), saveSettings(*w, true));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StoredSettingsTest, StoredValuesLoadInTheirOrder) {
    struct Case {
        const char* what;
        SettingsValues stored;
        std::function<void(const Workspace&)> check;
    };
    const Case cases[] = {
        {"UpDown6 of 7 with Chekcbox31 false",
         {{"UpDown6", SettingValue::ofInteger(7)}, {"Chekcbox31", SettingValue::ofInteger(0)}},
         [](const Workspace& w) { EXPECT_EQ(w.options.value(UpDown::DatabaseMatches), 5); }},
        {"UpDown6 of 7 with Chekcbox31 true",
         {{"UpDown6", SettingValue::ofInteger(7)}, {"Chekcbox31", SettingValue::ofInteger(1)}},
         [](const Workspace& w) { EXPECT_EQ(w.options.value(UpDown::DatabaseMatches), 7); }},
        {"a start date three days ago",
         {{"DateTimePicker2", SettingValue::ofDate(today() - 3)}},
         [](const Workspace& w) { EXPECT_EQ(w.drawWindow.startPicker.value, kMinimumPickerDate); }},
        {"a start date ten days ago",
         {{"DateTimePicker2", SettingValue::ofDate(today() - 10)}},
         [this](const Workspace& w) { EXPECT_EQ(w.drawWindow.startPicker.value, today() - 10); }},
        {"a string UpDown4",
         {{"UpDown1", SettingValue::ofInteger(60)},
          {"UpDown2", SettingValue::ofInteger(150)},
          {"UpDown3", SettingValue::ofInteger(4)},
          {"UpDown4", SettingValue::ofText("3")},
          {"UpDown5", SettingValue::ofInteger(3)},
          {"UpDown19", SettingValue::ofInteger(4)},
          {"Edit1", SettingValue::ofText("12")},
          {"Edit79", SettingValue::ofText("5")}},
         [](const Workspace& w) {
             EXPECT_EQ(w.options.value(UpDown::CrossSumFrom), 60);
             EXPECT_EQ(w.options.value(UpDown::CrossSumTo), 150);
             EXPECT_EQ(w.options.value(UpDown::MaximumOverlap), 4);
             EXPECT_EQ(w.options.value(UpDown::LastDrawLimit), 0);
             EXPECT_EQ(w.options.value(UpDown::SecondLastDrawLimit), 1);
             EXPECT_EQ(w.options.value(UpDown::RecentKeysCovered), 1);
             EXPECT_EQ(w.ticket.sheet.cell(0, 0), "");
             EXPECT_EQ(w.ticket.sheet.cell(TipSheet::kRows - 1, TipSheet::kColumns - 1), "");
         }},
        {"60 in a number cell",
         {{"Edit1", SettingValue::ofText("60")}, {"Edit2", SettingValue::ofText("54")}},
         [](const Workspace& w) {
             EXPECT_EQ(w.ticket.sheet.cell(0, 0), "");
             EXPECT_EQ(w.ticket.sheet.cell(0, 1), "54");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeSettingsFile(store(), c.stored));
        c.check(*start());
    }
}

// Closed maximized (the save leaves out the geometry), the store keeps the height and the
// width it had, and the next start restores them.
TEST_F(StoredSettingsTest, AMaximizedCloseKeepsTheStoredSize) {
    ASSERT_TRUE(writeSettingsFile(store(), {{"height", SettingValue::ofInteger(600)},
                                            {"width", SettingValue::ofInteger(700)}}));
    auto w = start();
    w->windowHeight = 1024; // the maximized window
    w->windowWidth = 1280;
    w->ticket.sheet.setCell(0, 0, "17");
    ASSERT_TRUE(saveSettingsStore(store(), saveSettings(*w, false), today()));
    w = start();
    EXPECT_EQ(w->windowHeight, 600);
    EXPECT_EQ(w->windowWidth, 700);
    EXPECT_EQ(w->ticket.sheet.cell(0, 0), "17");
}

} // namespace
} // namespace kav::test
