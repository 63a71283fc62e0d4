// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsStore.h"

#include "support/ScriptedInteraction.h"
#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kav::test
