// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "DatabasePage.h"
#include "InternetPage.h"
#include "ShownToolTip.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WindowFixture.h"
#include "base/SettingsValues.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace kav;
using namespace kav::test;

class MainWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void firstStartCreatesTheSeedDrawAndShowsIt();
    void framePagesMenuAndStatusBar();
    void hoverWritesTheHintIntoPanelOne();
    void heightChangesScaleTheContents();
    void aSavedDoubleHeightDoublesTheContents();
    void closingSavesTheSettings();
    void altArrowsStepThroughTheDraws();
    void tabBarAndPageAgreeWhenATabClickLeavesACell();
    void aCommandsStatusTextStaysUntilTheMouseEntersAnotherControl();
    void theDesignedSizeStaysReachableAfterGrowing();
    void ctrlPageKeysWalkThePages();
    void hintsCutOffInPanelOneAreWholeInTheirTooltips();
};

namespace {

QString panelText(const WindowFixture& f) {
    return f.window->statusPanel1->text();
}

void activate(WindowFixture& f) {
    QApplication::setActiveWindow(f.window.get());
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
}

} // namespace

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
    f.window->workspace().ticket.sheet.setCell(0, 0, "17");
    f.window->close();
    const SettingsValues saved = readSettingsFile(f.settingsFile());
    QCOMPARE(saved.at("Edit1"), SettingValue::ofText("17"));
    QVERIFY(saved.count("height"));
    QCOMPARE(saved.at("UpDown7"), SettingValue::ofInteger(50));
}

void MainWindowTest::altArrowsStepThroughTheDraws() {
    WindowFixture f;
    DrawFile(f.folder())
        .replace(std::vector<DrawRecord>{
            DrawRecord::seed(), DrawRecord::make(kMinimumPickerDate + 7, {1, 2, 3, 4, 5}, 6)});
    f.startAndShow();
    QApplication::setActiveWindow(f.window.get());
    QCOMPARE(f.window->workspace().drawWindow.current.index, 1);
    // A button's shortcut clicks it the way a mouse does, after showing it pressed.
    QTest::keySequence(f.window.get(), QKeySequence(Qt::ALT | Qt::Key_Left));
    QTRY_COMPARE(f.window->workspace().drawWindow.current.index, 0);
    QTest::keySequence(f.window.get(), QKeySequence(Qt::ALT | Qt::Key_Right));
    QTRY_COMPARE(f.window->workspace().drawWindow.current.index, 1);
}

// Leaving a focused tip cell evaluates the sheet while the tab bar is switching pages; the
// tab bar and the page must agree afterwards, and every tab must still be reachable.
void MainWindowTest::tabBarAndPageAgreeWhenATabClickLeavesACell() {
    WindowFixture f;
    f.startAndShow();
    activate(f);
    QTabWidget* pages = f.window->pageControl;
    QTabBar* bar = pages->tabBar();
    QLineEdit* cell = f.window->tipPage->sheet->cell(0, 0);
    for (int page : {3, 2, 1, 4}) {
        cell->setFocus(Qt::MouseFocusReason);
        QVERIFY(cell->hasFocus());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QCOMPARE(bar->currentIndex(), page);
        QCOMPARE(pages->currentWidget(), pages->widget(page));
        QTest::qWait(10); // anything the switch queued
        QCOMPARE(bar->currentIndex(), page);
        QCOMPARE(pages->currentWidget(), pages->widget(page));
        QCOMPARE(static_cast<int>(f.window->workspace().view.activePage), page);

        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(pages->currentWidget(), pages->widget(0));
        QCOMPARE(bar->currentIndex(), 0);
    }
    QVERIFY(f.ui->errors.empty());
}

// A run started with the mouse on its button ends with the run's message in panel 1,
// whatever enter events the run brings about; the next control entered shows its hint.
void MainWindowTest::aCommandsStatusTextStaysUntilTheMouseEntersAnotherControl() {
    WindowFixture f;
    f.startAndShow();
    activate(f);
    const Workspace& ws = f.window->workspace();
    QPushButton* start = f.window->tipPage->bitBtn4;
    QTest::mouseMove(start);
    QCOMPARE(panelText(f), QString("Starten Sie hier die Berechnung der Tippreihen."));
    QTest::mouseClick(start, Qt::LeftButton);
    QTest::qWait(20);
    const QStringList results{QString::fromStdString(ws.program.messages.line(msg::TipsComputed)),
                              QString::fromStdString(ws.program.messages.line(msg::BudgetUsedUp))};
    QVERIFY2(results.contains(panelText(f)), qPrintable(panelText(f)));
    // Re-entering the same button keeps the result; another control shows its hint.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(start, &enter);
    QVERIFY2(results.contains(panelText(f)), qPrintable(panelText(f)));
    QTest::mouseMove(f.window->tipPage->speedButton11);
    QCOMPARE(panelText(f), QString("Löschen aller Tipps"));
    QTest::mouseMove(start);
    QCOMPARE(panelText(f), QString("Starten Sie hier die Berechnung der Tippreihen."));
}

// The fonts grow with the window's height, but the window can always go back to its
// designed size: neither the scaled contents nor a long text in panel 1 raise its minimum.
void MainWindowTest::theDesignedSizeStaysReachableAfterGrowing() {
    WindowFixture f;
    const QSize designed = f.window->size();
    f.startAndShow();
    gui::TForm1& w = *f.window;
    w.statusPanel1->setText(QString(300, 'x'));
    QTest::qWait(10);
    QVERIFY2(w.minimumSizeHint().width() <= designed.width(),
             qPrintable(QString::number(w.minimumSizeHint().width())));
    for (const QSize larger : {QSize(1600, 1000), QSize(designed.width(), 2 * designed.height())}) {
        w.resize(larger);
        QTRY_COMPARE(w.size(), larger);
        QTest::qWait(20);
        QVERIFY(w.minimumSizeHint().width() <= designed.width());
        QVERIFY(w.minimumSizeHint().height() <= designed.height());
        w.resize(designed);
        QTRY_COMPARE(w.size(), designed);
        QTRY_COMPARE(w.pageControl->font().pixelSize(), 13);
    }
    w.close();
    QCOMPARE(readSettingsFile(f.settingsFile()).at("height"),
             SettingValue::ofInteger(designed.height()));
}

// Ctrl+PageDown / Ctrl+PageUp walk the main pages, wrapping at both ends; with the focus on
// the pages of "Berechnung" they walk those, and go on to the main pages past either end.
void MainWindowTest::ctrlPageKeysWalkThePages() {
    WindowFixture f;
    f.startAndShow();
    activate(f);
    QTabWidget* pages = f.window->pageControl;
    QTabWidget* inner = f.window->calculationPage->innerPages;
    const auto press = [&](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : static_cast<QWidget*>(f.window.get()),
                        key, Qt::ControlModifier);
    };
    f.window->tipPage->sheet->cell(0, 0)->setFocus();
    press(Qt::Key_PageDown);
    QCOMPARE(pages->currentIndex(), 1);
    press(Qt::Key_PageUp);
    QCOMPARE(pages->currentIndex(), 0);
    press(Qt::Key_PageUp);
    QCOMPARE(pages->currentIndex(), 4);
    QCOMPARE(pages->currentWidget(), pages->widget(4));
    press(Qt::Key_PageDown);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(static_cast<int>(f.window->workspace().view.activePage), 0);

    pages->setCurrentIndex(1);
    f.window->calculationPage->checkBox(CheckBox::FrequentPairs)->setFocus();
    QCOMPARE(inner->currentIndex(), 0);
    press(Qt::Key_PageDown);
    QCOMPARE(inner->currentIndex(), 1);
    QCOMPARE(pages->currentIndex(), 1);
    press(Qt::Key_PageUp);
    press(Qt::Key_PageUp); // before the first inner page: the main page before
    QCOMPARE(inner->currentIndex(), 0);
    QCOMPARE(pages->currentIndex(), 0);

    pages->setCurrentIndex(1);
    inner->setCurrentIndex(inner->count() - 1);
    inner->currentWidget()->findChild<QCheckBox*>()->setFocus();
    QVERIFY(inner->isAncestorOf(QApplication::focusWidget()));
    press(Qt::Key_PageDown); // past the last inner page: the main page after
    QCOMPARE(pages->currentIndex(), 2);
}

// At the designed width panel 1 cuts the longer hints off (with "…") rather than widening
// the window; such a hint is shown whole as its control's tooltip, and the panel's own
// tooltip shows whatever it cut off.
void MainWindowTest::hintsCutOffInPanelOneAreWholeInTheirTooltips() {
    WindowFixture f;
    f.startAndShow();
    gui::TForm1& w = *f.window;
    const QSize designed = w.size();
    int cutOff = 0;
    for (int page = 0; page < w.pageControl->count(); ++page) {
        w.pageControl->setCurrentIndex(page);
        for (QWidget* control : w.pageControl->widget(page)->findChildren<QWidget*>()) {
            if (control->toolTip().isEmpty() || !control->isVisible())
                continue;
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(control, &enter);
            QTest::qWait(1);
            QCOMPARE(w.size(), designed);
            const QString shown = panelText(f);
            if (!w.statusPanel1->isElided())
                continue;
            ++cutOff;
            QVERIFY(w.statusPanel1->fontMetrics().horizontalAdvance(shown) >
                    w.statusPanel1->width());
            QCOMPARE(control->toolTip(), shown);

            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1),
                            w.statusPanel1->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(w.statusPanel1, &help);
            QCOMPARE(shownToolTip(), shown);
            QToolTip::hideText();
        }
    }
    QVERIFY(cutOff > 0);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
#include "model/Controls.h"
