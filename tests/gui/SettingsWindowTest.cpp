// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "ChartPage.h"
#include "DatePickerEdit.h"
#include "InternetPage.h"
#include "QtConversions.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WindowFixture.h"
#include "app/SettingsLoad.h"
#include "base/SettingsValues.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <fstream>

using namespace kav;
using namespace kav::test;

namespace {

// A draw file, so that no start reaches for the draw-data service.
void writeSeedDraw(const WindowFixture& f) {
    DrawFile(f.folder()).replace(std::vector<DrawRecord>{DrawRecord::seed()});
}

// A value for every entry of the store, none of them its default.
SettingsValues everyValueChanged(DayCount today, QSize size) {
    SettingsValues values;
    for (const CheckBoxControl& box : checkBoxControls())
        values[settingName(box.id)] = SettingValue::ofInteger(box.checkedByDefault ? 0 : 1);
    for (const UpDownControl& spin : upDownControls()) {
        // `UpDown6` may reach 7 while `Chekcbox31` is on (it is, above).
        const int maximum = spin.id == UpDown::DatabaseMatches ? 7 : spin.maximum;
        const int position = spin.defaultPosition == maximum ? spin.minimum : maximum;
        values[settingName(spin.id)] = SettingValue::ofInteger(position);
    }
    for (int row = 0; row < TipSheet::kRows; ++row)
        for (int column = 0; column < TipSheet::kColumns; ++column) {
            const int number = column == TipSheet::kKeyColumn ? row % 10 : row * 4 + column + 1;
            values["Edit" + std::to_string(TipSheet::editNumber(row, column))] =
                SettingValue::ofText(std::to_string(number));
        }
    values["height"] = SettingValue::ofInteger(size.height());
    values["width"] = SettingValue::ofInteger(size.width());
    values["Sprache"] = SettingValue::ofInteger(2);
    values["RadioGroup1"] = SettingValue::ofInteger(0);
    values["ProxyHostEdit"] = SettingValue::ofText("proxy.example");
    values["ProxyPortEdit"] = SettingValue::ofText("3128");
    values["DateTimePicker2"] = SettingValue::ofDate(static_cast<double>(today - 30));
    values["DrawServiceUrl"] = SettingValue::ofText("http://127.0.0.1:9");
    values["ScriptServer"] = SettingValue::ofText("http://127.0.0.1:9/scripts");
    return values;
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void everyStoredValueRoundTripsThroughARestart();
    void closingMaximizedOrMinimizedKeepsTheStoredSize();
    void aDamagedStoreIsSetAsideBeforeAnythingWritesIt();
};

// Every value of the store shows in its control after a start and is written back as it
// was when the window closes.
void SettingsWindowTest::everyStoredValueRoundTripsThroughARestart() {
    WindowFixture f;
    f.serviceUrl.clear(); // the stored address stays
    f.installLanguageFiles();
    writeSeedDraw(f);
    const QSize size = f.window->size() + QSize(60, 40);
    const SettingsValues stored = everyValueChanged(f.today_, size);
    std::filesystem::create_directories(f.settingsFile().parent_path());
    QVERIFY(writeSettingsFile(f.settingsFile(), stored));
    f.recreate();
    f.startAndShow();
    gui::TForm1& w = *f.window;

    QCOMPARE(w.size(), size);
    for (const CheckBoxControl& box : checkBoxControls())
        QCOMPARE(w.calculationPage->checkBox(box.id)->isChecked(),
                 stored.at(settingName(box.id)).integer == 1);
    for (const UpDownControl& spin : upDownControls()) {
        const QSpinBox* field = spin.id == UpDown::RowsToCompute
                                    ? w.tipPage->upDown8
                                    : w.calculationPage->upDown(spin.id);
        QCOMPARE(field->value(), stored.at(settingName(spin.id)).integer);
    }
    for (int row = 0; row < TipSheet::kRows; ++row)
        for (int column = 0; column < TipSheet::kColumns; ++column)
            QCOMPARE(w.tipPage->sheet->cell(row, column)->text().toStdString(),
                     stored.at("Edit" + std::to_string(TipSheet::editNumber(row, column))).text);
    QVERIFY(w.calculationPage->findChild<QRadioButton*>("RadioGroup1Item0")->isChecked());
    QCOMPARE(w.internetPage->proxyHostEdit->text(), QString("proxy.example"));
    QCOMPARE(w.internetPage->proxyPortEdit->text(), QString("3128"));
    QCOMPARE(w.internetPage->drawServiceUrlEdit->text(), QString("http://127.0.0.1:9"));
    QCOMPARE(w.internetPage->scriptServerEdit->text(), QString("http://127.0.0.1:9/scripts"));
    QCOMPARE(w.chartPage->dateTimePicker2->date(), gui::toQDate(f.today_ - 30));
    QCOMPARE(w.workspace().languageNumber, 2);
    QCOMPARE(w.workspace().program.messages.line(msg::Stop), std::string("Stop")); // English

    w.close();
    const SettingsValues saved = readSettingsFile(f.settingsFile());
    for (const auto& [name, value] : stored)
        QVERIFY2(saved.count(name) && saved.at(name) == value, name.c_str());
    QCOMPARE(saved.size(), stored.size());
}

// Closed maximized or minimized, the window saves everything but its size, and the size
// stored before stays.
void SettingsWindowTest::closingMaximizedOrMinimizedKeepsTheStoredSize() {
    for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized}) {
        WindowFixture f;
        writeSeedDraw(f);
        std::filesystem::create_directories(f.settingsFile().parent_path());
        QVERIFY(writeSettingsFile(f.settingsFile(), {{"height", SettingValue::ofInteger(600)},
                                                     {"width", SettingValue::ofInteger(700)}}));
        f.recreate();
        f.startAndShow();
        f.window->workspace().ticket.sheet.setCell(0, 0, "17");
        f.window->setWindowState(state);
        QTRY_VERIFY(f.window->windowState() & state);
        f.window->close();
        const SettingsValues saved = readSettingsFile(f.settingsFile());
        QCOMPARE(saved.at("height"), SettingValue::ofInteger(600));
        QCOMPARE(saved.at("width"), SettingValue::ofInteger(700));
        QCOMPARE(saved.at("Edit1"), SettingValue::ofText("17"));
        QCOMPARE(saved.size(), saveSettings(f.window->workspace(), true).size());
    }
}

// A store that cannot be parsed at all is renamed with the date before the window could
// write it, the user is told once, and the defaults apply.
void SettingsWindowTest::aDamagedStoreIsSetAsideBeforeAnythingWritesIt() {
    WindowFixture f;
    writeSeedDraw(f);
    std::filesystem::create_directories(f.settingsFile().parent_path());
    const std::string damaged("\x7F"
                              "ELF\x02\x01\x01\x00garbage",
                              15);
    std::ofstream(f.settingsFile(), std::ios::binary) << damaged;
    f.recreate();
    std::filesystem::path setAside = f.settingsFile();
    setAside += ".2024-06-02";
    QVERIFY(std::filesystem::exists(setAside));
    QVERIFY(!std::filesystem::exists(f.settingsFile()));
    QCOMPARE(std::count_if(f.ui->messages.begin(), f.ui->messages.end(),
                           [&](const std::string& m) {
                               return m.find(setAside.string()) != std::string::npos;
                           }),
             std::ptrdiff_t{1});
    QVERIFY(
        f.window->calculationPage->checkBox(CheckBox::MaximumOverlap)->isChecked()); // the defaults
    f.startAndShow();
    f.window->close();
    QCOMPARE(readSettingsFile(f.settingsFile()).at("UpDown7"), SettingValue::ofInteger(50));
    std::ifstream in(setAside, std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
}

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
#include "model/Controls.h"
