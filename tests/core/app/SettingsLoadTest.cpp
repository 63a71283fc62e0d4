// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsLoad.h"

#include "model/Controls.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

class SettingsLoadTest : public WorkspaceTest {
protected:
    SettingsLoadTest() { ws.ticket.evaluationSwitch = false; }
    DayCount today() const { return ws.program.today(); }
};

TEST_F(SettingsLoadTest, FirstRunKeepsDefaultsAndSavesTheWholeList) {
    loadSettings(ws, {});
    EXPECT_TRUE(ws.ticket.evaluationSwitch);
    EXPECT_TRUE(ws.options.checked(CheckBox::MaximumOverlap));
    EXPECT_FALSE(ws.options.checked(CheckBox::FrequentPairs));
    EXPECT_EQ(ws.options.value(UpDown::AttemptBudget), 50);
    EXPECT_EQ(ws.options.keyModeItem(), 2);
    EXPECT_EQ(ws.options.proxyPort, "80");
    EXPECT_EQ(ws.drawWindow.startPicker.value, kMinimumPickerDate);

    const SettingsValues saved = saveSettings(ws, true);
    // 29 check boxes, height, width, Sprache, RadioGroup1, 19 spin fields, 72 cells,
    // the two proxy fields, the start date, the draw-data service's address and the script
    // server.
    EXPECT_EQ(saved.size(), 29u + 2 + 1 + 1 + 19 + 72 + 2 + 1 + 1 + 1);
    EXPECT_EQ(saved.at("DrawServiceUrl"), SettingValue::ofText("http://127.0.0.1:8754"));
    EXPECT_EQ(saved.at("ScriptServer"), SettingValue::ofText(kDefaultScriptServer));
    EXPECT_EQ(saved.at("Chekcbox3"), SettingValue::ofInteger(1));
    EXPECT_EQ(saved.at("Edit79"), SettingValue::ofText(""));
    EXPECT_EQ(saveSettings(ws, false).count("height"), 0u);
}

TEST_F(SettingsLoadTest, UpDown6IsClampedAfterItsMaximumFollowsCheckBox31) {
    loadSettings(ws, {{"UpDown6", SettingValue::ofInteger(7)}});
    EXPECT_EQ(ws.options.value(UpDown::DatabaseMatches), 5);
    loadSettings(ws, {{"UpDown6", SettingValue::ofInteger(7)},
                      {"Chekcbox31", SettingValue::ofInteger(3)}}); // non-zero reads as true
    EXPECT_EQ(ws.options.value(UpDown::DatabaseMatches), 7);
}

TEST_F(SettingsLoadTest, StartDateMustLieAWeekBack) {
    loadSettings(ws, {{"DateTimePicker2", SettingValue::ofDate(today() - 3)}});
    EXPECT_EQ(ws.drawWindow.startPicker.value, kMinimumPickerDate);
    loadSettings(ws, {{"DateTimePicker2", SettingValue::ofDate(today() - 10)}});
    EXPECT_EQ(ws.drawWindow.startPicker.value, today() - 10);
    // A date of the wrong size fails its read: the minimum date.
    SettingValue broken = SettingValue::ofDate(today() - 10);
    broken.binary.pop_back();
    loadSettings(ws, {{"DateTimePicker2", broken}});
    EXPECT_EQ(ws.drawWindow.startPicker.value, kMinimumPickerDate);
}

TEST_F(SettingsLoadTest, AWrongTypeEndsOnlyItsGuardedUnit) {
    SettingsValues values{
        {"UpDown1", SettingValue::ofInteger(60)},
        {"UpDown3", SettingValue::ofInteger(4)},
        {"UpDown4", SettingValue::ofText("3")},
        {"UpDown5", SettingValue::ofInteger(3)},
        {"Edit1", SettingValue::ofText("12")},
        {"ProxyHostEdit", SettingValue::ofText("p")},
        {"ProxyPortEdit", SettingValue::ofText("8080")},
        {"RadioGroup1", SettingValue::ofText("1")},
        {"Chekcbox1", SettingValue::ofInteger(1)},
    };
    loadSettings(ws, values);
    EXPECT_EQ(ws.options.value(UpDown::CrossSumFrom), 60);
    EXPECT_EQ(ws.options.value(UpDown::MaximumOverlap), 4);
    EXPECT_EQ(ws.options.value(UpDown::LastDrawLimit),
              0); // default: the unit stopped at the string
    EXPECT_EQ(ws.options.value(UpDown::SecondLastDrawLimit), 1);
    EXPECT_EQ(ws.ticket.sheet.cell(0, 0), "");
    EXPECT_EQ(ws.options.keyModeItem(), 2); // a damaged radio value keeps its default
    EXPECT_TRUE(ws.options.checked(CheckBox::FrequentPairs));
    EXPECT_EQ(ws.options.proxyHost, "p");
    EXPECT_EQ(ws.options.proxyPort, "8080");
}

TEST_F(SettingsLoadTest, CellsAreValidatedAndPortFollowsAnEmptyHost) {
    loadSettings(ws, {{"Edit1", SettingValue::ofText("60")},
                      {"Edit2", SettingValue::ofText("07")},
                      {"Edit6", SettingValue::ofText("0")},
                      {"ProxyPortEdit", SettingValue::ofText("3128")}});
    EXPECT_EQ(ws.ticket.sheet.cell(0, 0), "");
    EXPECT_EQ(ws.ticket.sheet.cell(0, 1), "7");
    EXPECT_EQ(ws.ticket.sheet.cell(0, 5), "0");
    EXPECT_EQ(ws.options.proxyPort, "80");
}

TEST_F(SettingsLoadTest, StoreFileRoundTripsEveryType) {
    loadSettings(ws, {{"Edit1", SettingValue::ofText("12")},
                      {"DateTimePicker2", SettingValue::ofDate(today() - 30)},
                      {"ProxyHostEdit", SettingValue::ofText("a=b:c\\d\ne")},
                      {"ScriptServer", SettingValue::ofText("http://127.0.0.1:8080")}});
    EXPECT_EQ(ws.options.scriptServer, "http://127.0.0.1:8080");
    const SettingsValues saved = saveSettings(ws, true);
    const auto path = folder.path() / "sub" / "Kavanto.conf";
    ASSERT_TRUE(writeSettingsFile(path, saved));
    EXPECT_EQ(readSettingsFile(path), saved);
    EXPECT_TRUE(readSettingsFile(folder.path() / "missing.conf").empty());
    EXPECT_TRUE(parseSettingsFile("garbage\nx=dword:notanumber\ny=binary:ABC\n=sz:1\n").empty());
}

TEST_F(SettingsLoadTest, DrawServiceAddressIsStoredAndAnEmptyOneIsTheDefault) {
    loadSettings(ws, {{"DrawServiceUrl", SettingValue::ofText("http://draws.example:9000")}});
    EXPECT_EQ(ws.options.drawServiceUrl, "http://draws.example:9000");
    EXPECT_EQ(saveSettings(ws, true).at("DrawServiceUrl"),
              SettingValue::ofText("http://draws.example:9000"));

    Workspace fresh(folder.path(), ui);
    fresh.program.todayProvider = ws.program.todayProvider;
    loadSettings(fresh, {{"DrawServiceUrl", SettingValue::ofText("")}});
    EXPECT_EQ(fresh.options.drawServiceUrl, "http://127.0.0.1:8754");
    // A value of the wrong type ends only its own unit: the start date is still read.
    loadSettings(fresh, {{"DrawServiceUrl", SettingValue::ofInteger(1)},
                         {"DateTimePicker2", SettingValue::ofDate(today() - 30)}});
    EXPECT_EQ(fresh.options.drawServiceUrl, "http://127.0.0.1:8754");
    EXPECT_EQ(fresh.drawWindow.startPicker.value, today() - 30);
}

TEST(SettableNames, OnlyStoreValuesTheToolMaySet) {
    for (const char* ok : {"Chekcbox1", "Chekcbox31", "UpDown1", "UpDown19", "RadioGroup1", "Edit1",
                           "Edit36", "Edit43", "Edit79"})
        EXPECT_TRUE(isSettableName(ok)) << ok;
    for (const char* bad : {"Chekcbox17", "Chekcbox21", "Chekcbox32", "CheckBox1", "UpDown0",
                            "UpDown20", "Edit37", "Edit55", "Edit80", "Edit", "Edit1x", "height"})
        EXPECT_FALSE(isSettableName(bad)) << bad;
}

} // namespace
} // namespace kav::test
