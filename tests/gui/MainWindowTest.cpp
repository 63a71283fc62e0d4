// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabasePage.h"
#include "InternetPage.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "app/SettingsValues.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace kav;
using namespace kav::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesTheSeedDrawAndShowsIt();
    void framePagesMenuAndStatusBar();
    void hoverWritesTheHintIntoPanelOne();
    void heightChangesScaleTheContents();
    void aSavedDoubleHeightDoublesTheContents();
    void closingSavesTheSettings();
    void altArrowsStepThroughTheDraws();
};

void MainWindowTest::firstStartCreatesTheSeedDrawAndShowsIt() {
    WindowFixture f;
    f.startAndShow();
    QVERIFY(!f.ui->messages.empty());
    QCOMPARE(QString::fromStdString(f.ui->messages.front()),
             QString("Lesen Sie zuerst die Daten der Ziehungen ein"));
    QCOMPARE(std::filesystem::file_size(f.folder() / "ZahlenKav.dat"), std::uintmax_t{16});
    const QString caption = f.window->databasePage->drawCaption->text();
    QVERIFY2(caption.contains("06.02.05") && caption.contains("  34  42  47  48  51   R: 5"),
             qPrintable(caption));
    QCOMPARE(f.window->tipPage->tipDrawCaption->text(), caption);
    QCOMPARE(f.window->tipPage->crossSumLabel->text(), QString("Quersumme: 222"));
    QVERIFY(f.window->isVisible());
    QVERIFY(f.ui->errors.empty());

    // The README shows the program as its own test run draws it.
    const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        f.window->resize(900, 640);
        QTest::qWait(50);
        QVERIFY(f.window->grab().save(QString::fromUtf8(shots) + "/window.png"));
    }
}

void MainWindowTest::framePagesMenuAndStatusBar() {
    WindowFixture f;
    f.startAndShow();
    gui::TForm1& w = *f.window;
    QCOMPARE(w.windowTitle(), QString("Velmors Quotenfuchs  für Kavanto"));
    const QStringList tabs{"Tipp-Übersicht", "Berechnung", "Diagramm", "Datenbank",
                           "Internet-Optionen"};
    QCOMPARE(w.pageControl->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(w.pageControl->tabText(i), tabs[i]);
    QCOMPARE(w.pageControl->currentIndex(), 0);

    QStringList menu;
    for (QAction* a : w.menuBar()->actions())
        menu << a->text();
    QCOMPARE(menu, (QStringList{"&Ziehungsdaten laden", "&Berechnen", "Sprache/&Language",
                                "&Abgeben", "&Schließen"}));
    QCOMPARE(w.actionZiehungsdatenLaden->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(w.actionBerechnen->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(w.actionAbgeben->shortcut(), QKeySequence("Ctrl+G"));
    QCOMPARE(w.menuSprache->actions().size(), 17);
    QCOMPARE(w.statusPanel0->width(), 150);

    auto* picker = w.findChild<QDateEdit*>("DateTimePicker1");
    QVERIFY(picker);
    QCOMPARE(picker->minimumDate(), QDate(2005, 2, 6));
    QVERIFY(picker->toolTip().startsWith("Dieses Datum gilt als ENddatum"));
    QVERIFY(w.findChild<QDateEdit*>("DateTimePicker2"));
    QVERIFY(w.findChild<QLineEdit*>("ProxyHostEdit"));
    QCOMPARE(w.findChild<QLineEdit*>("ProxyPortEdit")->text(), QString("80"));

    // A link label opens its own caption.
    auto links = w.internetPage->findChildren<QLabel*>();
    QLabel* link = nullptr;
    for (QLabel* l : links)
        if (l->text().startsWith("https://"))
            link = l;
    QVERIFY(link);
    w.pageControl->setCurrentIndex(4);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.ui->opened, std::vector<std::string>{link->text().toStdString()});
}

void MainWindowTest::hoverWritesTheHintIntoPanelOne() {
    WindowFixture f;
    f.startAndShow();
    f.window->pageControl->setCurrentIndex(3);
    QPushButton* entry = f.window->databasePage->entryButton;
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(entry, &enter);
    QCOMPARE(f.window->statusPanel1->text(), QString("manuelle eingaben der Ziehungsdaten."));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(entry, &leave);
    QCOMPARE(f.window->statusPanel1->text(), QString("manuelle eingaben der Ziehungsdaten."));
}

void MainWindowTest::heightChangesScaleTheContents() {
    WindowFixture f;
    f.startAndShow();
    gui::TForm1& w = *f.window;
    const int fontBefore = w.pageControl->font().pixelSize();
    w.resize(w.width() + 100, w.height()); // width alone scales nothing
    QTest::qWait(20);
    QCOMPARE(w.pageControl->font().pixelSize(), fontBefore);
    w.resize(w.width(), w.height() * 2);
    QTRY_COMPARE(w.pageControl->font().pixelSize(), fontBefore * 2);
}

void MainWindowTest::aSavedDoubleHeightDoublesTheContents() {
    WindowFixture f;
    const int designedHeight = f.window->height();
    const int designedFont = f.window->pageControl->font().pixelSize();
    std::filesystem::create_directories(f.settingsFile().parent_path());
    QVERIFY(writeSettingsFile(f.settingsFile(),
                              {{"height", SettingValue::ofInteger(2 * designedHeight)}}));
    f.recreate();
    f.startAndShow();
    QTRY_COMPARE(f.window->pageControl->font().pixelSize(), 2 * designedFont);
}

void MainWindowTest::closingSavesTheSettings() {
    WindowFixture f;
    f.startAndShow();
    f.window->workspace().sheet.setCell(0, 0, "17");
    f.window->close();
    const SettingsValues saved = readSettingsFile(f.settingsFile());
    QCOMPARE(saved.at("Edit1"), SettingValue::ofText("17"));
    QVERIFY(saved.count("height"));
    QCOMPARE(saved.at("UpDown7"), SettingValue::ofInteger(50));
}

void MainWindowTest::altArrowsStepThroughTheDraws() {
    WindowFixture f;
    DrawFile(f.folder())
        .replaceViaTemporary(
            DrawFile::kMergeTemporary,
            std::vector<DrawRecord>{DrawRecord::seed(),
                                    DrawRecord::make(kMinimumPickerDate + 7, {1, 2, 3, 4, 5}, 6)});
    f.startAndShow();
    QApplication::setActiveWindow(f.window.get());
    QCOMPARE(f.window->workspace().current.index, 1);
    // A button's shortcut clicks it the way a mouse does, after showing it pressed.
    QTest::keySequence(f.window.get(), QKeySequence(Qt::ALT | Qt::Key_Left));
    QTRY_COMPARE(f.window->workspace().current.index, 0);
    QTest::keySequence(f.window.get(), QKeySequence(Qt::ALT | Qt::Key_Right));
    QTRY_COMPARE(f.window->workspace().current.index, 1);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
