// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisCommands.h"
#include "BenchHistory.h"
#include "CalculationPage.h"
#include "ChanceDialog.h"
#include "ChartPage.h"
#include "DatabasePage.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WindowFixture.h"
#include "app/Workspace.h"
#include "model/Controls.h"
#include "support/TestEnvironment.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

// `weeks` weekly draws up to the Saturday before the fixture's today, numbers spread over
// 1..54.
void writeDraws(const std::filesystem::path& folder, int weeks) {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < weeks; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2024, 6, 1}) - 7.0 * (weeks - 1 - w),
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    DrawFile(folder).replace(draws);
}

// What the window shows while an analysis runs, taken from inside the run.
struct RunningView {
    QString startCaption;
    bool otherAnalysisEnabled = true;
    bool tipPageEnabled = true;
    bool deleteEnabled = true;
    bool calculateEnabled = true;
    bool updateEntryEnabled = true;
    bool progressVisible = false;
    bool stopVisible = false;
    int progressMaximum = 0;

    static RunningView of(gui::TForm1& w, QPushButton* running, QPushButton* other) {
        RunningView v;
        v.startCaption = running->text();
        v.otherAnalysisEnabled = other->isEnabled();
        v.tipPageEnabled = w.tipPage->isEnabled();
        v.deleteEnabled = w.databasePage->deleteButton->isEnabled();
        v.calculateEnabled = w.actionBerechnen->isEnabled();
        v.updateEntryEnabled = w.actionZiehungsdatenLaden->isEnabled();
        v.progressVisible = w.analysisCommands->progressBar->isVisible();
        v.stopVisible = w.analysisCommands->stopButton->isVisible();
        v.progressMaximum = w.analysisCommands->progressBar->maximum();
        return v;
    }
};

// Everything is back as before the run.
void verifyIdle(gui::TForm1& w) {
    QCOMPARE(w.databasePage->bitBtn9->text(),
             QString("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
    QCOMPARE(w.databasePage->bitBtn19->text(),
             QString("Historische Analyse beginnend mit dem oben gewähltem Datum"));
    QVERIFY(w.databasePage->bitBtn9->isEnabled());
    QVERIFY(w.databasePage->bitBtn19->isEnabled());
    QVERIFY(w.databasePage->deleteButton->isEnabled());
    QVERIFY(w.databasePage->updateButton->isEnabled());
    QVERIFY(w.actionZiehungsdatenLaden->isEnabled());
    QVERIFY(w.tipPage->isEnabled());
    QVERIFY(w.calculationPage->isEnabled());
    QVERIFY(w.actionBerechnen->isEnabled());
    QVERIFY(!w.analysisCommands->progressBar->isVisible());
    QVERIFY(!w.analysisCommands->stopButton->isVisible());
    QVERIFY(!w.workspace().run.analysis.running());
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void theSearchButtonWalksTheDrawsAndStopsAtAHit();
    void cancellingAnInputBoxRunsNothing();
    void aBacktestStopsWithItsOwnButtonWithoutAReport();
    void aHistoryAnalysisStopsWithEscape();
    void closingTheWindowStopsTheAnalysisFirst();
    void aCompletedBacktestShowsTheComparisonWithChance();
    void screenshotOfTheComparisonWithChance();
};

void AnalysisWindowTest::theSearchButtonWalksTheDrawsAndStopsAtAHit() {
    WindowFixture f;
    writeDraws(f.folder(), 20);
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    // Row 1 is the draw of 04.05.2024.
    const std::array<const char*, 6> cells{"6", "18", "30", "35", "48", "5"};
    for (int c = 0; c < 6; ++c)
        ws.ticket.sheet.setCell(0, c, cells[static_cast<std::size_t>(c)]);
    f.window->syncFromWorkspace();
    QToolButton* search = f.window->tipPage->speedButton4;
    QVERIFY(search->isEnabled());
    f.ui->textAnswers = {std::string("5")};
    f.ui->yesNoAnswers = {false};
    QTest::mouseClick(search, Qt::LeftButton);

    QCOMPARE(f.ui->questions.back(), std::string("Ein Treffer am  04.05.2024 gefunden. Weiter?"));
    QVERIFY(f.window->tipPage->tipDrawCaption->text().contains("  6  18  30  35  48   R: 5"));
    QCOMPARE(f.window->tipPage->sheet->rows[0].hits->text(), QString("5 + R"));
    QVERIFY(f.ui->errors.empty());
}

// Abbrechen in the search's threshold box once searched with 5, and in the backtest's
// lucky-number box ran the backtest, which erased the ticket.
void AnalysisWindowTest::cancellingAnInputBoxRunsNothing() {
    WindowFixture f;
    writeDraws(f.folder(), 20);
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    const std::array<const char*, 6> cells{"6", "18", "30", "35", "48", "5"};
    for (int c = 0; c < 6; ++c)
        ws.ticket.sheet.setCell(0, c, cells[static_cast<std::size_t>(c)]);
    f.window->syncFromWorkspace();
    const QString hitsBefore = f.window->tipPage->sheet->rows[0].hits->text();
    f.ui->realInputBoxes = true;
    // Cancels the input box once it is up: with the button, or with Escape.
    const auto cancelTheBox = [&](bool withEscape) {
        QTimer::singleShot(0, [withEscape] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (withEscape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                QTest::mouseClick(
                    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                    Qt::LeftButton);
        });
    };

    cancelTheBox(false);
    QTest::mouseClick(f.window->tipPage->speedButton4, Qt::LeftButton);
    QCOMPARE(f.ui->questions, std::vector<std::string>{"Tipp-Test"});
    QCOMPARE(f.window->tipPage->sheet->rows[0].hits->text(), hitsBefore);

    f.ui->yesNoAnswers = {true};
    cancelTheBox(true);
    QTest::mouseClick(f.window->databasePage->bitBtn9, Qt::LeftButton);
    QCOMPARE(f.ui->questions.size(), std::size_t{3}); // Yes, then the lucky number
    for (int c = 0; c < 6; ++c)
        QCOMPARE(f.window->tipPage->sheet->cell(0, c)->text(),
                 QString(cells[static_cast<std::size_t>(c)]));
    QVERIFY(!std::filesystem::exists(f.folder() / "Test.rtf"));
    QVERIFY(f.ui->errors.empty());
    verifyIdle(*f.window);
}

void AnalysisWindowTest::aBacktestStopsWithItsOwnButtonWithoutAReport() {
    WindowFixture f;
    writeDraws(f.folder(), 40);
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    // The first week's tip calculation goes on until the stop.
    makeTipCalculationEndless(ws.options);
    ws.options.setChecked(CheckBox::ShowNumberList, true);
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 3, 2}));
    f.window->syncFromWorkspace();
    gui::DatabasePage& page = *f.window->databasePage;
    f.ui->yesNoAnswers = {true};
    f.ui->textAnswers = {std::string("815")};

    RunningView during;
    QTimer::singleShot(150, f.window.get(), [&] {
        during = RunningView::of(*f.window, page.bitBtn9, page.bitBtn19);
        QTest::mouseClick(page.bitBtn9, Qt::LeftButton);
    });
    QTest::mouseClick(page.bitBtn9, Qt::LeftButton);

    QCOMPARE(during.startCaption, QString("Stoppen"));
    QVERIFY(!during.otherAnalysisEnabled);
    QVERIFY(!during.tipPageEnabled);
    QVERIFY(!during.deleteEnabled);
    QVERIFY(!during.updateEntryEnabled);
    QVERIFY(!during.calculateEnabled);
    QVERIFY(during.progressVisible);
    QVERIFY(during.stopVisible);
    QCOMPARE(during.progressMaximum, 14); // 02.03. to 01.06.: fourteen weeks

    QVERIFY(!std::filesystem::exists(f.folder() / "Test.rtf"));
    QVERIFY(f.ui->opened.empty());
    QVERIFY(f.ui->errors.empty());
    QVERIFY(ws.options.checked(CheckBox::ShowNumberList));
    QVERIFY(f.window->calculationPage->checkBox(CheckBox::ShowNumberList)->isChecked());
    QCOMPARE(f.window->statusPanel1->text(),
             QString("Analyse abgebrochen, es wurde kein Bericht geschrieben."));
    QCOMPARE(f.window->tipPage->bitBtn4->text(), QString("Tipps berechnen"));
    QVERIFY(!ws.run.running);
    verifyIdle(*f.window);
}

void AnalysisWindowTest::aHistoryAnalysisStopsWithEscape() {
    WindowFixture f;
    writeDraws(f.folder(), 300);
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    ws.drawWindow.endPicker.set(kMinimumPickerDate);
    f.window->syncFromWorkspace();
    gui::DatabasePage& page = *f.window->databasePage;
    f.ui->yesNoAnswers = {true};
    f.ui->textAnswers = {std::string("5")};
    // A slow machine: a millisecond per draw.
    f.ui->onPendingInput = [] { QThread::msleep(1); };

    RunningView during;
    int pageDuring = -1;
    QTimer::singleShot(100, f.window.get(), [&] {
        during = RunningView::of(*f.window, page.bitBtn19, page.bitBtn9);
        pageDuring = f.window->pageControl->currentIndex();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
    });
    QTest::mouseClick(page.bitBtn19, Qt::LeftButton);

    QCOMPARE(during.startCaption, QString("Stoppen"));
    QVERIFY(!during.otherAnalysisEnabled);
    QVERIFY(during.stopVisible);
    QCOMPARE(during.progressMaximum, 299);
    QCOMPARE(pageDuring, 0); // the analysis shows the tip page
    QVERIFY(!std::filesystem::exists(f.folder() / "Test.rtf"));
    QCOMPARE(f.window->statusPanel1->text(),
             QString("Analyse abgebrochen, es wurde kein Bericht geschrieben."));
    // Stopped between two draws: row 1 holds the last analysed draw, the one after it is
    // the current draw and shown.
    QVERIFY(ws.drawWindow.current.index > 0 && ws.drawWindow.current.index < 299);
    QCOMPARE(ws.ticket.sheet.cell(0, 5), std::to_string((ws.drawWindow.current.index - 1) % 10));
    QCOMPARE(f.window->databasePage->drawCaption->text().toStdString(), ws.view.drawCaption);
    verifyIdle(*f.window);
}

void AnalysisWindowTest::closingTheWindowStopsTheAnalysisFirst() {
    WindowFixture f;
    writeDraws(f.folder(), 300);
    f.startAndShow();
    f.window->workspace().drawWindow.endPicker.set(kMinimumPickerDate);
    f.window->syncFromWorkspace();
    f.ui->yesNoAnswers = {true};
    f.ui->textAnswers = {std::string("5")};
    f.ui->onPendingInput = [] { QThread::msleep(1); };
    bool visibleAfterClose = false;
    QTimer::singleShot(100, f.window.get(), [&] {
        f.window->close();
        visibleAfterClose = f.window->isVisible();
    });
    QTest::mouseClick(f.window->databasePage->bitBtn19, Qt::LeftButton);
    QVERIFY(visibleAfterClose); // the close waited for the analysis
    QVERIFY(!std::filesystem::exists(f.folder() / "Test.rtf"));
    QTRY_VERIFY(!f.window->isVisible());
    // The settings were saved once the analysis had ended.
    QVERIFY(std::filesystem::exists(f.settingsFile()));
}

void AnalysisWindowTest::aCompletedBacktestShowsTheComparisonWithChance() {
    WindowFixture f;
    writeDraws(f.folder(), 40);
    f.startAndShow();
    Workspace& ws = f.window->workspace();
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 3, 2}));
    f.window->syncFromWorkspace();
    f.ui->yesNoAnswers = {true};
    f.ui->textAnswers = {std::string("815")};
    QTest::mouseClick(f.window->databasePage->bitBtn9, Qt::LeftButton);

    QVERIFY(f.ui->errors.empty());
    const std::filesystem::path report = f.folder() / "Test.rtf";
    QVERIFY(std::filesystem::exists(report));
    QCOMPARE(f.ui->opened, std::vector<std::string>{report.string()});
    verifyIdle(*f.window);

    gui::ChanceDialog* dialog = f.window->analysisCommands->chanceDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->classes->rowCount(), 12);
    QCOMPARE(dialog->classes->item(8, 0)->text(), QString("2 + R"));
    QVERIFY(dialog->summary->text().contains("70 Reihen in 14 Ziehungen"));
    QVERIFY(!dialog->verdict->text().isEmpty());

    // The chart page shows observed beside expected, labelled by hit class.
    gui::ChartPage& chart = *f.window->chartPage;
    QCOMPARE(chart.series2->barSets().size(), 2);
    QCOMPARE(chart.secondBars->count(), 12);
    QVERIFY(chart.bottomAxis->categoriesLabels().contains("3 + R"));
    QVERIFY(chart.barText(8).startsWith("2 + R: "));
    dialog->findChild<QPushButton*>("ChanceChartButton")->click();
    QCOMPARE(f.window->pageControl->currentIndex(), 2);

    // The next statistic draws one bar set again.
    QTest::mouseClick(chart.speedButton2, Qt::LeftButton);
    QCOMPARE(chart.series2->barSets().size(), 1);
}

// Writes the chart page and the dialog after a backtest over 1,100 random draws to
// $KAVANTO_SCREENSHOT_DIR/chance-chart.png and chance-dialog.png.
void AnalysisWindowTest::screenshotOfTheComparisonWithChance() {
    const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR");
    if (shots.isEmpty())
        QSKIP("KAVANTO_SCREENSHOT_DIR is not set");
    constexpr int kDraws = 1100;
    WindowFixture f(kMinimumPickerDate + 7 * (kDraws - 1) + 3);
    DrawFile(f.folder()).replace(bench::randomWeeklyDraws(kDraws));
    f.startAndShow();
    f.window->resize(1000, 640);
    f.window->workspace().drawWindow.endPicker.set(kMinimumPickerDate);
    f.ui->yesNoAnswers = {true};
    f.ui->textAnswers = {std::string("815")};
    QTest::mouseClick(f.window->databasePage->bitBtn9, Qt::LeftButton);
    gui::ChanceDialog* dialog = f.window->analysisCommands->chanceDialog();
    QVERIFY(dialog);
    dialog->findChild<QPushButton*>("ChanceChartButton")->click();
    QTest::qWait(100);
    const QString folder = QString::fromUtf8(shots);
    QVERIFY(f.window->grab().save(folder + "/chance-chart.png"));
    QVERIFY(dialog->grab().save(folder + "/chance-dialog.png"));
}

QTEST_MAIN(AnalysisWindowTest)
#include "AnalysisWindowTest.moc"
