// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from outside (service messages and status lines, the language files' captions,
// hints and prompts) are shown as the characters they are: no label, tooltip or input box
// of the program takes them for markup.
#include "PlainText.h"
#include "GuiInteraction.h"
#include "LottoZahlen.h"
#include "Scriptwahl.h"
#include "ShownToolTip.h"
#include "WindowFixture.h"
#include "Zahlenwahl.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

// Markup that would show as bold text and fetch an image if it were taken for HTML.
const QString kMarkup = "<img src='x.png'><b>fett</b> & <a href='x'>Link</a>";

void sendToolTipEvent(QWidget* widget, QPoint at) {
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

} // namespace

class PlainTextTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void everyLabelOfEveryWindowIsPlainText();
    void tooltipsShowMarkupAsText();
    void theInputBoxShowsItsPromptAsText();
};

void PlainTextTest::everyLabelOfEveryWindowIsPlainText() {
    WindowFixture f;
    f.startAndShow();
    // The dialogs the window made at start-up, and a label made later (as a language
    // switch or a page does).
    f.window->numberListDialog->ensurePolished();
    f.window->vksForm->ensurePolished();
    auto* late = new QLabel(kMarkup, f.window->pageControl->widget(0));
    late->show();
    int labels = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QLabel* label : top->findChildren<QLabel*>()) {
            label->ensurePolished();
            QVERIFY2(label->textFormat() == Qt::PlainText,
                     qPrintable(label->objectName() + " \"" + label->text() + "\""));
            ++labels;
        }
    QVERIFY(labels > 20);
}

void PlainTextTest::tooltipsShowMarkupAsText() {
    WindowFixture f;
    f.startAndShow();
    auto* button = f.window->findChild<QAbstractButton*>();
    QVERIFY(button);
    button->setToolTip(kMarkup);
    sendToolTipEvent(button, {1, 1});
    QCOMPARE(shownToolTip(), kMarkup);
    // The widget keeps its plain hint: the status bar shows the same characters.
    QCOMPARE(button->toolTip(), kMarkup);

    // A page's tab, as a language file's hint of a tab sheet sets it.
    QTabBar* tabs = f.window->pageControl->tabBar();
    tabs->setTabToolTip(1, kMarkup + " (Seite)");
    sendToolTipEvent(tabs, tabs->tabRect(1).center());
    QCOMPARE(shownToolTip(), kMarkup + " (Seite)");

    // A widget without a tooltip of its own shows its parent's.
    auto* child = new QWidget(button);
    child->resize(4, 4);
    child->show();
    QToolTip::hideText();
    sendToolTipEvent(child, {1, 1});
    QCOMPARE(shownToolTip(), kMarkup);
    QCOMPARE(gui::plainToolTip(""), QString());
}

void PlainTextTest::theInputBoxShowsItsPromptAsText() {
    gui::GuiInteraction ui;
    QWidget owner;
    ui.attach(&owner, {});
    QString prompt;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->text() == kMarkup) {
                prompt = label->text();
                format = label->textFormat();
            }
        dialog->setTextValue("815");
        dialog->accept();
    });
    const auto answer = ui.askText("Glückszahl", kMarkup.toStdString(), "");
    QCOMPARE(prompt, kMarkup);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(answer, std::optional<std::string>("815"));
}

QTEST_MAIN(PlainTextTest)
#include "PlainTextTest.moc"
