// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "TipOverviewPage.h"
#include "WeeklyDraws.h"
#include "WindowFixture.h"
#include "app/Workspace.h"
#include "commands/TipCalculation.h"
#include "model/Controls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

std::vector<std::string> sheetCells(const Workspace& ws) {
    std::vector<std::string> cells;
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            cells.push_back(ws.ticket.sheet.cell(r, c));
    return cells;
}

} // namespace

class TipCalculationWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void optionWidgetsCarryTheDesignNamesRangesAndDefaults();
    void widgetsAndOptionsFollowEachOther();
    void linkedSpinButtonsMoveTheirBounds();
    void hoveringAnOptionShowsItsHint();
    void startButtonAndMenuRunTheCalculationAsTheCoreDoes();
    void aSecondPressStopsTheRun();
};

void TipCalculationWindowTest::optionWidgetsCarryTheDesignNamesRangesAndDefaults() {
    WindowFixture f;
    gui::CalculationPage& page = *f.window->calculationPage;
    QStringList tabs;
    for (int i = 0; i < page.innerPages->count(); ++i)
        tabs << page.innerPages->tabText(i);
    QCOMPARE(tabs, (QStringList{"Statistisch", "Schein Optimierung", "Mathematisch", "Nº Clave",
                                "Allgemein"}));
    const Options defaults;
    for (int n = 1; n <= kCheckBoxCount; ++n) {
        auto* box = page.findChild<QCheckBox*>(QString("CheckBox%1").arg(n));
        QCOMPARE(box != nullptr, checkBoxControl(n) != nullptr);
        if (box)
            QCOMPARE(box->isChecked(), defaults.checked(static_cast<CheckBox>(n)));
    }
    for (const UpDownControl& field : upDownControls()) {
        if (field.id == UpDown::RowsToCompute) // beside the start button
            continue;
        auto* spin = page.findChild<QSpinBox*>(QString::fromStdString(designName(field.id)));
        QVERIFY2(spin, designName(field.id).c_str());
        QCOMPARE(spin->minimum(), field.minimum);
        QCOMPARE(spin->maximum(), field.maximum);
        QCOMPARE(spin->value(), field.defaultPosition);
        QVERIFY(spin->findChild<QLineEdit*>(QString("Edit%1").arg(field.editNumber)));
    }
    auto* group = page.findChild<QGroupBox*>("RadioGroup1");
    QVERIFY(group);
    QCOMPARE(group->title(), QString("Nº Clave Option"));
    const auto radios = group->findChildren<QRadioButton*>();
    QCOMPARE(radios.size(), 3);
    QCOMPARE(radios[2]->text(), QString("die am längsten ausstehende Nº Clave verwenden"));
    QVERIFY(radios[2]->isChecked());
    for (const char* name :
         {"SpeedButton22", "SpeedButton23", "SpeedButton24", "SpeedButton25", "SpeedButton26",
          "Superselten", "SuperAus", "Label88", "Label89", "Label90", "Label91", "Label42"})
        QVERIFY2(page.findChild<QWidget*>(name), name);
    QCOMPARE(page.findChild<QSpinBox*>("UpDown12")->toolTip(),
             QString("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"));

    // The README shows the option pages as the test draws them.
    const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        f.window->show();
        f.window->resize(900, 640);
        f.window->pageControl->setCurrentIndex(1);
        for (int i = 0; i < page.innerPages->count(); ++i) {
            page.innerPages->setCurrentIndex(i);
            QTest::qWait(50);
            QVERIFY(f.window->grab().save(QString::fromUtf8(shots) +
                                          QString("/calculation-%1.png").arg(i + 1)));
        }
    }
}

void TipCalculationWindowTest::widgetsAndOptionsFollowEachOther() {
    WindowFixture f;
    gui::CalculationPage& page = *f.window->calculationPage;
    Workspace& ws = f.window->workspace();
    page.checkBox(CheckBox::FrequentPairs)->click();
    QVERIFY(ws.options.checked(CheckBox::FrequentPairs));
    page.upDown(UpDown::RecentDrawsCount)->setValue(40);
    QCOMPARE(ws.options.value(UpDown::RecentDrawsCount), 40);
    page.findChild<QGroupBox*>("RadioGroup1")->findChildren<QRadioButton*>()[0]->click();
    QCOMPARE(ws.options.keyModeItem(), 0);

    // `UpDown6`'s maximum follows `CheckBox31`.
    QCOMPARE(page.upDown(UpDown::DatabaseMatches)->maximum(), 5);
    page.checkBox(CheckBox::KeyCountsAsHit)->click();
    QCOMPARE(page.upDown(UpDown::DatabaseMatches)->maximum(), 7);
    page.upDown(UpDown::DatabaseMatches)->setValue(7);
    page.checkBox(CheckBox::KeyCountsAsHit)->click();
    QCOMPARE(page.upDown(UpDown::DatabaseMatches)->maximum(), 5);
    QCOMPARE(ws.options.value(UpDown::DatabaseMatches), 5);

    // A run's change beyond the maximum shows in the control.
    ws.options.forceValue(UpDown::DatabaseMatches, 6);
    ws.options.setChecked(CheckBox::ForcedPair, true);
    f.window->syncFromWorkspace();
    QCOMPARE(page.upDown(UpDown::DatabaseMatches)->value(), 6);
    QVERIFY(page.checkBox(CheckBox::ForcedPair)->isChecked());

    // A cross-sum range whose "von" lies above its "bis" was taken without a sign.
    f.window->show();
    f.window->pageControl->setCurrentIndex(1);
    page.innerPages->setCurrentIndex(2);
    QVERIFY(!page.crossSumWarning->isVisible());
    page.upDown(UpDown::CrossSumFrom)->setValue(220);
    page.upDown(UpDown::CrossSumTo)->setValue(210);
    QVERIFY(page.crossSumWarning->isVisible());
    page.upDown(UpDown::CrossSumTo)->setValue(220);
    QVERIFY(!page.crossSumWarning->isVisible());
}

void TipCalculationWindowTest::linkedSpinButtonsMoveTheirBounds() {
    WindowFixture f;
    f.startAndShow();
    f.window->pageControl->setCurrentIndex(1);
    gui::CalculationPage& page = *f.window->calculationPage;
    page.innerPages->setCurrentIndex(1);
    QTest::mousePress(page.upDown(UpDown::MaximumOverlap), Qt::LeftButton);
    QTest::mouseRelease(page.upDown(UpDown::MaximumOverlap), Qt::LeftButton);
    QCOMPARE(page.upDown(UpDown::MinimumOverlap)->maximum(), 2);
    QCOMPARE(page.upDown(UpDown::MaximumOverlap)->minimum(), 1);

    page.innerPages->setCurrentIndex(2);
    page.upDown(UpDown::MinimumOdd)->setValue(3);
    QTest::mousePress(page.upDown(UpDown::MinimumEven), Qt::LeftButton);
    QTest::mouseRelease(page.upDown(UpDown::MinimumEven), Qt::LeftButton);
    QCOMPARE(page.upDown(UpDown::MinimumEven)->maximum(), 3);
    QCOMPARE(f.window->workspace().options.maximum(UpDown::MinimumEven), 3);
}

void TipCalculationWindowTest::hoveringAnOptionShowsItsHint() {
    WindowFixture f;
    f.startAndShow();
    f.window->pageControl->setCurrentIndex(1);
    gui::CalculationPage& page = *f.window->calculationPage;
    page.innerPages->setCurrentIndex(1);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(page.checkBox(CheckBox::SecondLastDrawLimit), &enter);
    QCOMPARE(f.window->statusPanel1->text(),
             QString("Übereinstimmung mit Zahlen aus vorhergehender Ziehung"));
    QApplication::sendEvent(page.upDown(UpDown::RecentDrawsMatches), &enter);
    QVERIFY(f.window->statusPanel1->text().startsWith("Setzen Sie den Wert auf 4 oder 5"));
}

void TipCalculationWindowTest::startButtonAndMenuRunTheCalculationAsTheCoreDoes() {
    WindowFixture f;
    writeFortyWeeklyDraws(f.folder());
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    ws.options.setValue(UpDown::RowsToCompute, 12);
    ws.options.setKeyModeItem(0);
    f.window->syncFromWorkspace();

    ws.run.random.setSeed(31337);
    QTest::mouseClick(f.window->tipPage->bitBtn4, Qt::LeftButton);
    const std::vector<std::string> byButton = sheetCells(ws);
    QCOMPARE(f.window->statusPanel1->text(), QString("Tipps wurden neu berechnet"));
    QCOMPARE(f.window->tipPage->bitBtn4->text(), QString("Tipps berechnen"));
    QVERIFY(!byButton.front().empty());
    QVERIFY(f.ui->errors.empty());

    ws.run.random.setSeed(31337);
    f.window->actionBerechnen->trigger();
    QCOMPARE(sheetCells(ws), byButton);

    // The core alone over the same folder and options draws the same sheet.
    RecordingInteraction quiet;
    Workspace core(f.folder(), quiet);
    core.options = ws.options;
    core.drawWindow.startPicker = ws.drawWindow.startPicker;
    core.drawWindow.endPicker = ws.drawWindow.endPicker;
    core.ticket.evaluationSwitch = true;
    core.run.random.setSeed(31337);
    Label28Click(core.program, core.options, core.ticket, core.drawWindow, core.run, core.view);
    QCOMPARE(sheetCells(core), byButton);
}

void TipCalculationWindowTest::aSecondPressStopsTheRun() {
    WindowFixture f;
    writeFortyWeeklyDraws(f.folder());
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    makeTipCalculationEndless(ws.options);
    f.window->syncFromWorkspace();
    QPushButton* start = f.window->tipPage->bitBtn4;

    QString captionWhileRunning;
    QString statusWhileRunning;
    QTimer::singleShot(100, f.window.get(), [&] {
        captionWhileRunning = start->text();
        statusWhileRunning = f.window->statusPanel1->text();
        QTest::mouseClick(start, Qt::LeftButton);
    });
    QTest::mouseClick(start, Qt::LeftButton);

    QCOMPARE(captionWhileRunning, QString("Stoppen"));
    QVERIFY2(statusWhileRunning.startsWith("1.Tipp:  "), qPrintable(statusWhileRunning));
    QCOMPARE(start->text(), QString("Tipps berechnen"));
    // Once "Tipps wurden neu berechnet" over twelve empty rows.
    QCOMPARE(f.window->statusPanel1->text(),
             QString("Berechnung gestoppt: 0 von 5 Tipps berechnet."));
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            QVERIFY(ws.ticket.sheet.cell(r, c).empty());
    QVERIFY(!ws.run.running);
    QVERIFY(ws.ticket.evaluationSwitch);
}

QTEST_MAIN(TipCalculationWindowTest)
#include "TipCalculationWindowTest.moc"
