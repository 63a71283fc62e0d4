// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "CaptionFields.h"
#include "InternetPage.h"
#include "LanguageComponents.h"
#include "QtConversions.h"
#include "Scriptwahl.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "Zahlenwahl.h"
#include "app/LanguageLoad.h"
#include "base/LanguageFile.h"
#include "base/SettingsValues.h"
#include "support/TestEnvironment.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <fstream>
#include <map>
#include <set>

using namespace kav;
using namespace kav::test;

namespace {

std::filesystem::path shippedLand() {
    return std::filesystem::path(KAVANTO_SOURCE_DIR) / "data" / "land";
}

std::vector<std::string> fileLines(const std::filesystem::path& path) {
    const auto lines = readLanguageFile(path);
    return lines ? *lines : std::vector<std::string>{};
}

std::vector<BaseFileEntry> entriesOf(const std::vector<gui::ComponentListing>& listing) {
    std::vector<BaseFileEntry> entries;
    for (const gui::ComponentListing& l : listing)
        entries.push_back(l.entry);
    return entries;
}

std::vector<BaseFileEntry> baseEntries(const std::vector<std::string>& lines) {
    std::vector<BaseFileEntry> entries;
    for (std::size_t k = 0; 5 * k + 4 < lines.size(); ++k)
        entries.push_back({lines[5 * k], lines[5 * k + 1], lines[5 * k + 2], lines[5 * k + 3],
                           charsetNumber(lines[5 * k + 4]).value_or(-1)});
    return entries;
}

std::vector<QWidget*> startUpWindows(gui::TForm1& w) {
    return {&w, w.numberListDialog, w.vksForm};
}

// Where two lists of entries part, for a failure message.
QString firstDifference(const std::vector<BaseFileEntry>& actual,
                        const std::vector<BaseFileEntry>& expected) {
    const auto describe = [](const BaseFileEntry& e) {
        return QString::fromStdString(e.window + "/" + e.control + " \"" + e.caption + "\" \"" +
                                      e.hint + "\" " + std::to_string(e.charset));
    };
    for (std::size_t k = 0; k < std::max(actual.size(), expected.size()); ++k) {
        const QString a = k < actual.size() ? describe(actual[k]) : "(none)";
        const QString e = k < expected.size() ? describe(expected[k]) : "(none)";
        if (a != e)
            return QString("entry %1: the windows have %2, the file has %3").arg(k).arg(a, e);
    }
    return {};
}

// Qt's own parts of a composite widget, and the menu bar (walked through its actions).
bool insideComposite(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QTabBar*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QComboBox*>(p) || qobject_cast<const QCalendarWidget*>(p) ||
            qobject_cast<const QGraphicsView*>(p) || qobject_cast<const QMenuBar*>(p))
            return true;
    return false;
}

bool isTabPage(const QWidget* w) {
    const auto* tabs = w->parentWidget()
                           ? qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget())
                           : nullptr;
    return tabs && tabs->indexOf(const_cast<QWidget*>(w)) >= 0;
}

bool isProgramText(const QWidget* w) {
    return w->property("kavantoProgramText").toBool();
}

// Whether a widget of a kind the language load touches carries a text or a hint.
bool hasLanguageText(const QWidget* w) {
    if (isTabPage(w))
        return true;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty() || !w->toolTip().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty() || !w->toolTip().isEmpty();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return !box->title().isEmpty() || !w->toolTip().isEmpty();
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return !w->toolTip().isEmpty();
    return false;
}

// The texts the language files give a widget that do not fit it at its size now.
void checkWidgets(QWidget* root, const QString& where, QStringList& problems) {
    const auto problem = [&](const QWidget* w, const QString& what) {
        problems << QString("%1: %2 %3").arg(where, w->objectName(), what);
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // The key-number options are the program's texts, but from the option files.
        if (!w->isVisible() || (isProgramText(w) && !qobject_cast<QRadioButton*>(w)) ||
            insideComposite(w, root->window()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()
                    ? label->heightForWidth(label->width()) > label->height()
                    : label->fontMetrics().horizontalAdvance(label->text()) > room.width())
                problem(label, "cuts off \"" + label->text() + "\"");
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->sizeHint().width() > button->width() ||
                button->sizeHint().height() > button->height())
                problem(button, "cuts off \"" + button->text() + "\"");
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (box->minimumSizeHint().width() > box->width())
                problem(box, "cuts off its title \"" + box->title() + "\"");
        } else if (auto* fields = qobject_cast<gui::CaptionFields*>(w)) {
            // Every field lies in its gap of the caption, or after the caption's text.
            const std::vector<QRect> gaps = fields->gapRects();
            const QList<QWidget*> children =
                fields->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            std::size_t gap = 0;
            for (QWidget* field : children) {
                if (!qobject_cast<QAbstractSpinBox*>(field))
                    continue;
                const QRect g = gap < gaps.size() ? gaps[gap] : QRect();
                ++gap;
                if (g.isValid() &&
                    (field->geometry().left() < g.left() || field->geometry().right() > g.right()))
                    problem(field, "does not fit its gap in the caption");
                if (field->geometry().right() >= fields->width())
                    problem(field, "lies beyond its caption");
            }
        }
    }
}

void checkTabs(QTabWidget* tabs, QStringList& problems) {
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        const int text = bar->fontMetrics().horizontalAdvance(bar->tabText(i).remove('&'));
        if (!bar->rect().contains(tab) || tab.width() < text)
            problems << QString("%1: the tab \"%2\" is cut off")
                            .arg(tabs->objectName(), bar->tabText(i));
    }
}

void screenshot(QWidget* w, const QString& name) {
    const QByteArray folder = qgetenv("KAVANTO_LANGUAGE_SHOTS_DIR");
    if (!folder.isEmpty())
        w->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
}

// Every page (and every page of "Berechnung") and both dialogs at the size they show in;
// with a language code, a screenshot of each.
QStringList cutOffTexts(gui::TForm1& w, const QString& code) {
    QStringList problems;
    for (QAction* entry : w.menuBar()->actions()) {
        const QRect place = w.menuBar()->actionGeometry(entry);
        if (place.isEmpty() || place.right() >= w.menuBar()->width())
            problems << "menu: \"" + entry->text() + "\" is cut off";
    }
    QTabWidget* inner = w.calculationPage->innerPages;
    for (int page = 0; page < w.pageControl->count(); ++page) {
        w.pageControl->setCurrentIndex(page);
        const int innerPages =
            w.pageControl->currentWidget() == w.calculationPage ? inner->count() : 1;
        for (int i = 0; i < innerPages; ++i) {
            if (innerPages > 1)
                inner->setCurrentIndex(i);
            QTest::qWait(20);
            const QString where = w.pageControl->tabText(page) +
                                  (innerPages > 1 ? " / " + inner->tabText(i) : QString());
            if (w.pageScroller->horizontalScrollBar()->maximum() > 0 ||
                w.pageScroller->verticalScrollBar()->maximum() > 0)
                problems << where + ": the page does not fit the window";
            checkWidgets(w.pageControl->currentWidget(), where, problems);
            if (!code.isEmpty())
                screenshot(&w, QString("language-%1-page%2%3")
                                   .arg(code)
                                   .arg(page)
                                   .arg(innerPages > 1 ? QString("-%1").arg(i) : QString()));
        }
    }
    checkTabs(w.pageControl, problems);
    checkTabs(inner, problems);
    for (QDialog* dialog :
         {static_cast<QDialog*>(w.numberListDialog), static_cast<QDialog*>(w.vksForm)}) {
        dialog->adjustSize();
        dialog->show();
        QTest::qWait(20);
        checkWidgets(dialog, dialog->objectName(), problems);
        if (!code.isEmpty())
            screenshot(dialog, QString("language-%1-%2").arg(code, dialog->objectName()));
        dialog->hide();
    }
    return problems;
}

// What makes a window wider than designed: the controls whose minimum width comes
// closest to the page's, widest first.
QStringList widestControls(gui::TForm1& w, QSize designed) {
    std::vector<std::pair<int, QString>> widths;
    const int page = w.pageControl->currentWidget()->width();
    for (int p = 0; p < w.pageControl->count(); ++p)
        for (QWidget* c : w.pageControl->widget(p)->findChildren<QWidget*>() +
                              QList<QWidget*>{w.pageControl->widget(p)})
            if (!c->objectName().isEmpty() && !c->objectName().startsWith("qt_") &&
                !c->isWindow() && c->minimumSizeHint().width() > page / 2)
                widths.emplace_back(c->minimumSizeHint().width(),
                                    c->objectName() +
                                        QString(" needs %1 px").arg(c->minimumSizeHint().width()));
    std::sort(widths.rbegin(), widths.rend());
    const auto width = [](const QWidget* c) {
        return QString::number(c->minimumSizeHint().width());
    };
    QStringList lines{QString("(pages %1 px wide at %2 px; minimum widths: pages %3, menu bar %4, "
                              "status bar %5)")
                          .arg(page)
                          .arg(designed.width())
                          .arg(w.pageScroller->minimumWidth())
                          .arg(width(w.menuBar()), width(w.statusBar()))};
    for (std::size_t i = 0; i < widths.size() && i < 6; ++i)
        lines << widths[i].second;
    return lines;
}

QString fileDialogLabel(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.findChild<QLabel*>("lookInLabel")->text();
}

QAction* languageEntry(gui::TForm1& w, const char* code) {
    const Language* language = languageByCode(code);
    for (QAction* entry : w.languageActions)
        if (entry->data().toInt() == language->number)
            return entry;
    return nullptr;
}

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void theLanguageMenuHasTheSeventeenLanguages();
    void theBaseFileListsEveryCaptionedComponentInWalkOrder();
    void everyBaseEntryIsApplied();
    void englishAndBackToGerman();
    void characterSetsComeFromTheBaseFileOnlyInBaseMode();
    void theChoiceSurvivesARestart();
    void aLanguageWithoutFilesIsReportedAndTheTickStays();
    void textsFromALanguageFileAreNeverMarkup();
    void noTextIsCutOffAtTheDesignedSize_data();
    void noTextIsCutOffAtTheDesignedSize();
};

void LanguageWindowTest::theLanguageMenuHasTheSeventeenLanguages() {
    WindowFixture f;
    gui::TForm1& w = *f.window;
    QCOMPARE(w.menuSprache->title(), QString("Sprache/&Language"));
    QCOMPARE(w.menuSprache->menuAction()->objectName(), QString("Sprache1"));
    const QStringList names{"Deutsch1",     "Englisch1",    "Franzoesisch1", "Spanisch1",
                            "Italienisch1", "Russisch1",    "Tuerkisch1",    "Niederlaendisch1",
                            "Polnisch1",    "Tschechisch1", "Slowakisch1",   "Ungarisch1",
                            "Griechisch1",  "Schwedisch1",  "Norwegisch1",   "Finnisch1",
                            "Daenisch1"};
    const QStringList captions{
        "Deutsch",    "Englisch",       "Französisch", "Spanisch",    "Italienisch", "Russisch",
        "Türkisch",   "Niederländisch", "Polnisch",    "Tschechisch", "Slowakisch",  "Ungarisch",
        "Griechisch", "Schwedisch",     "Norwegisch",  "Finnisch",    "Dänisch"};
    const QList<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 12, 13, 14, 17, 15};
    const QList<QAction*> entries = w.menuSprache->actions();
    QCOMPARE(entries.size(), 17);
    for (int i = 0; i < 17; ++i) {
        QCOMPARE(entries[i]->objectName(), names[i]);
        QCOMPARE(entries[i]->text(), captions[i]);
        QCOMPARE(entries[i]->data().toInt(), numbers[i]);
        QVERIFY(entries[i]->isCheckable() && entries[i]->isEnabled());
        // No language chosen yet: the German design texts are shown.
        QCOMPARE(entries[i]->isChecked(), i == 0);
    }
}

// The base file is the list of the windows' captioned components in the order the load
// walks them, at the German design texts; it can never drift from the windows. With
// KAVANTO_LANGUAGE_LISTING_DIR set, the test writes the fresh base file and the listing
// (with the kinds) there.
void LanguageWindowTest::theBaseFileListsEveryCaptionedComponentInWalkOrder() {
    WindowFixture f;
    gui::TForm1& w = *f.window;
    const std::vector<gui::ComponentListing> listing = gui::listComponents(w.languageWalk());
    const std::vector<BaseFileEntry> entries = entriesOf(listing);

    const QByteArray out = qgetenv("KAVANTO_LANGUAGE_LISTING_DIR");
    if (!out.isEmpty()) {
        const std::filesystem::path folder = out.toStdString();
        std::ofstream(folder / "Kavanto.txt", std::ios::binary) << formatBaseFile(entries);
        std::ofstream tsv(folder / "components.tsv", std::ios::binary);
        for (std::size_t k = 0; k < listing.size(); ++k) {
            const BaseFileEntry& e = listing[k].entry;
            tsv << k << '\t' << e.window << '\t' << e.control << '\t' << kindName(listing[k].kind)
                << '\t' << e.caption << '\t' << e.hint << '\n';
        }
    }

    std::set<std::pair<std::string, std::string>> names;
    for (const BaseFileEntry& e : entries) {
        QVERIFY2(!e.control.empty(), qPrintable(QString::fromStdString(e.caption)));
        QVERIFY2(names.insert({e.window, e.control}).second, e.control.c_str());
    }
    const std::vector<BaseFileEntry> committed =
        baseEntries(fileLines(shippedLand() / "Kavanto.txt"));
    QVERIFY2(entries == committed, qPrintable(firstDifference(entries, committed)));
    std::ifstream in(shippedLand() / "Kavanto.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    QVERIFY(bytes == formatBaseFile(entries)); // byte for byte: BOM and CR LF too

    // Every widget of a kind the load touches that has a text or a hint is walked (or its
    // text is the program's).
    std::set<const QObject*> walked;
    for (const gui::WalkedComponent& c : w.languageWalk())
        walked.insert(c.object);
    for (QWidget* window : startUpWindows(w))
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->window() != window || insideComposite(child, window) ||
                isProgramText(child) || child->objectName().startsWith("qt_"))
                continue;
            if (hasLanguageText(child))
                QVERIFY2(walked.count(child),
                         qPrintable(window->objectName() + "/" + child->objectName() + " " +
                                    child->metaObject()->className()));
        }
}

// Every entry of the base file reaches its component, in base mode (German) and in every
// shipped translation.
void LanguageWindowTest::everyBaseEntryIsApplied() {
    WindowFixture f;
    f.installLanguageFiles();
    Workspace& ws = f.window->workspace();
    for (const Language& language : languages()) {
        const std::string code = language.code;
        const LanguageLoadResult r =
            loadLanguage(ws, code, gui::languageComponents(f.window->languageWalk(), ws));
        QCOMPARE(r.translationMode,
                 std::filesystem::exists(shippedLand() / ("Kavanto.txt." + code)));
        QVERIFY2(r.messagesReplaced && r.optionsReplaced, code.c_str());
        QCOMPARE(r.applied.size(), gui::listComponents(f.window->languageWalk()).size());
        for (std::size_t k = 0; k < r.applied.size(); ++k)
            QVERIFY2(r.applied[k], qPrintable(QString("%1: entry %2").arg(code.c_str()).arg(k)));
    }
    loadLanguage(ws, "de", gui::languageComponents(f.window->languageWalk(), ws));
}

// English from the menu: every caption and hint as the translation has it, the options,
// the messages, the start button and Qt's texts; German again brings back the design texts.
void LanguageWindowTest::englishAndBackToGerman() {
    WindowFixture f;
    f.installLanguageFiles();
    f.startAndShow();
    gui::TForm1& w = *f.window;
    const Workspace& ws = w.workspace();
    const QString url = w.internetPage->drawServiceUrlEdit->text();

    languageEntry(w, "en")->trigger();
    QCOMPARE(ws.languageNumber, 2);
    QVERIFY(languageEntry(w, "en")->isChecked());
    QVERIFY(!languageEntry(w, "de")->isChecked());
    const std::vector<std::string> translation = fileLines(shippedLand() / "Kavanto.txt.en");
    const std::vector<BaseFileEntry> base = baseEntries(fileLines(shippedLand() / "Kavanto.txt"));
    QCOMPARE(translation.size(), 2 * base.size());
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    for (std::size_t k = 0; k < base.size(); ++k)
        index[{base[k].window, base[k].control}] = k;
    for (const gui::ComponentListing& l : gui::listComponents(w.languageWalk())) {
        const std::size_t k = index.at({l.entry.window, l.entry.control});
        if (l.kind != ComponentKind::EditField)
            QCOMPARE(l.entry.caption, translation[2 * k]);
        QCOMPARE(l.entry.hint, translation[2 * k + 1]);
    }
    QCOMPARE(w.internetPage->drawServiceUrlEdit->text(), url); // an edit field keeps its text
    QCOMPARE(w.tipPage->bitBtn4->text(), QString::fromStdString(ws.view.idleCaption));
    QCOMPARE(ws.program.messages.line(msg::Stop), std::string("Stop"));
    QCOMPARE(w.calculationPage->findChild<QRadioButton*>("RadioGroup1Item0")->text(),
             QString("simply choose at random"));
    QCOMPARE(fileDialogLabel(&w), QString("Look in:"));

    languageEntry(w, "de")->trigger();
    QCOMPARE(ws.languageNumber, 1);
    QVERIFY(languageEntry(w, "de")->isChecked());
    QVERIFY2(entriesOf(gui::listComponents(w.languageWalk())) == base,
             qPrintable(firstDifference(entriesOf(gui::listComponents(w.languageWalk())), base)));
    QCOMPARE(ws.program.messages.line(msg::Stop), std::string("Stoppen"));
    QCOMPARE(w.tipPage->bitBtn4->text(), QString("Tipps berechnen"));
    QCOMPARE(w.calculationPage->findChild<QRadioButton*>("RadioGroup1Item0")->text(),
             QString("einfach per Zufall bestimmen"));
    QCOMPARE(fileDialogLabel(&w), QString("Suchen in:"));
    QVERIFY(f.ui->errors.empty());
}

// Base mode sets the character sets of the base file (on every kind but the menu item);
// translation mode leaves them.
void LanguageWindowTest::characterSetsComeFromTheBaseFileOnlyInBaseMode() {
    WindowFixture f;
    f.installLanguageFiles();
    const auto rewriteCharsets = [&](int charset) {
        std::vector<BaseFileEntry> entries = baseEntries(fileLines(shippedLand() / "Kavanto.txt"));
        for (BaseFileEntry& e : entries)
            e.charset = charset;
        std::ofstream(f.folder() / "land" / "Kavanto.txt", std::ios::binary)
            << formatBaseFile(entries);
    };
    rewriteCharsets(204);
    f.window->chooseLanguage(1); // Deutsch: no translation file, base mode
    rewriteCharsets(161);
    f.window->chooseLanguage(2); // Englisch: translation mode
    for (const gui::ComponentListing& l : gui::listComponents(f.window->languageWalk()))
        QVERIFY2(l.entry.charset == (l.kind == ComponentKind::MenuItem ? 1 : 204),
                 l.entry.control.c_str());
}

// In a folder without the language files "Englisch" once moved the tick and changed
// nothing; Deutsch carries the tick from the start.
void LanguageWindowTest::aLanguageWithoutFilesIsReportedAndTheTickStays() {
    WindowFixture f;
    f.startAndShow();
    QVERIFY(languageEntry(*f.window, "de")->isChecked());
    f.ui->messages.clear();
    languageEntry(*f.window, "en")->trigger();
    QCOMPARE(f.ui->messages.size(), std::size_t{1});
    QVERIFY2(f.ui->messages[0].find("Englisch") != std::string::npos, f.ui->messages[0].c_str());
    QVERIFY(languageEntry(*f.window, "de")->isChecked());
    QVERIFY(!languageEntry(*f.window, "en")->isChecked());
    QCOMPARE(f.window->workspace().languageNumber, 0);
}

void LanguageWindowTest::theChoiceSurvivesARestart() {
    WindowFixture f;
    f.installLanguageFiles();
    f.startAndShow();
    languageEntry(*f.window, "en")->trigger();
    const QString englishTitle = f.window->windowTitle();
    QVERIFY(englishTitle != QString("Velmors Quotenfuchs  für Kavanto"));
    f.window->close();
    QCOMPARE(readSettingsFile(f.settingsFile()).at("Sprache"), SettingValue::ofInteger(2));

    f.recreate();
    f.startAndShow();
    QCOMPARE(f.window->windowTitle(), englishTitle);
    QVERIFY(languageEntry(*f.window, "en")->isChecked());
    QCOMPARE(f.window->workspace().program.messages.line(msg::Stop), std::string("Stop"));
    QCOMPARE(fileDialogLabel(f.window.get()), QString("Look in:"));
    // Qt's own texts go back to German for the tests that follow.
    languageEntry(*f.window, "de")->trigger();
}

// A hint or caption that looks like markup shows as the text it is.
void LanguageWindowTest::textsFromALanguageFileAreNeverMarkup() {
    WindowFixture f;
    f.installLanguageFiles();
    std::vector<std::string> lines = fileLines(shippedLand() / "Kavanto.txt.en");
    const std::vector<BaseFileEntry> base = baseEntries(fileLines(shippedLand() / "Kavanto.txt"));
    for (std::size_t k = 0; k < base.size(); ++k) {
        if (base[k].control == "BitBtn7")
            lines[2 * k + 1] = "<b>Print</b> the ticket";
        if (base[k].control == "PercentNote")
            lines[2 * k] = "<i>x</i> %";
    }
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& line : lines)
        text += line + "\r\n";
    std::ofstream(f.folder() / "land" / "Kavanto.txt.en", std::ios::binary) << text;
    f.startAndShow();
    f.window->chooseLanguage(2);
    QPushButton* print = f.window->tipPage->bitBtn7;
    QCOMPARE(gui::hintText(print), QString("<b>Print</b> the ticket"));
    QVERIFY(print->toolTip().contains("&lt;b&gt;"));
    f.window->pageControl->setCurrentIndex(0);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(print, &enter);
    QCOMPARE(f.window->statusPanel1->text(), QString("<b>Print</b> the ticket"));
    auto* note = f.window->findChild<QLabel*>("PercentNote");
    QCOMPARE(note->text(), QString("<i>x</i> %"));
    QCOMPARE(note->textFormat(), Qt::PlainText);
    f.window->chooseLanguage(1);
}

// Every language's captions must fit the window at its designed size;
// KAVANTO_LAYOUT_LANGUAGES narrows the run to some ("fi,ru,gr,hu").
void LanguageWindowTest::noTextIsCutOffAtTheDesignedSize_data() {
    QTest::addColumn<QString>("code");
    QStringList codes;
    for (const Language& l : languages())
        codes << QString::fromUtf8(l.code);
    const QString chosen = qEnvironmentVariable("KAVANTO_LAYOUT_LANGUAGES");
    if (!chosen.isEmpty() && chosen != "all") {
        codes = chosen.split(',', Qt::SkipEmptyParts);
    }
    for (const QString& code : codes)
        QTest::newRow(qPrintable(code)) << code;
}

void LanguageWindowTest::noTextIsCutOffAtTheDesignedSize() {
    QFETCH(QString, code);
    const Language* language = languageByCode(code.toStdString());
    QVERIFY(language);
    WindowFixture f;
    f.installLanguageFiles();
    const QSize designed = f.window->size();
    // The language as a start-up applies it from the store, then as the menu switches to it
    // from German: both must leave every text room at the designed size.
    std::filesystem::create_directories(f.settingsFile().parent_path());
    QVERIFY(writeSettingsFile(f.settingsFile(),
                              {{"Sprache", SettingValue::ofInteger(language->number)}}));
    f.recreate();
    f.startAndShow();
    QCOMPARE(f.window->workspace().languageNumber, language->number);
    const auto check = [&](const QString& when, bool shots) {
        f.window->resize(designed);
        QTest::qWait(20);
        QStringList problems;
        if (f.window->size() != designed) {
            problems << QString("%1: the window needs %2 x %3 instead of %4 x %5")
                            .arg(when)
                            .arg(f.window->width())
                            .arg(f.window->height())
                            .arg(designed.width())
                            .arg(designed.height());
            problems << widestControls(*f.window, designed);
        }
        return problems << cutOffTexts(*f.window, shots ? code : QString());
    };
    QStringList problems = check("at start-up", true);
    f.window->chooseLanguage(1);
    f.window->chooseLanguage(language->number);
    problems << check("after a switch from German", false);
    f.window->chooseLanguage(1); // Qt's own texts in German again for the tests that follow
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"
