// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtLanguage.h"
#include "ChartPage.h"
#include "DatabasePage.h"
#include "DatePickerEdit.h"
#include "LoEingab.h"
#include "WindowFixture.h"
#include "support/TestEnvironment.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

QString fileDialogLabel(QWidget* parent, const char* name) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.findChild<QLabel*>(name)->text();
}

QStringList messageBoxButtons() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

// The month name the picker's calendar shows in its header for February.
QString februaryIn(QDateEdit* picker) {
    return picker->calendarWidget()->locale().standaloneMonthName(2);
}

} // namespace

class QtLanguageTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void qtsOwnTextsAndTheCalendarsAreGerman();
    void anotherLanguageReplacesThem();
    void everyLanguageCodeGetsItsLocaleAndCatalogue();
};

// The program is German; Qt's file dialogs, message box buttons and the date pickers'
// calendars must not be English inside it.
void QtLanguageTest::qtsOwnTextsAndTheCalendarsAreGerman() {
    WindowFixture f;
    f.startAndShow();
    QCOMPARE(fileDialogLabel(f.window.get(), "lookInLabel"), QString("Suchen in:"));
    QCOMPARE(fileDialogLabel(f.window.get(), "fileNameLabel"), QString("Datei&name:"));
    QCOMPARE(messageBoxButtons(), (QStringList{"&Ja", "&Nein"}));
    for (QDateEdit* picker : {static_cast<QDateEdit*>(f.window->databasePage->dateTimePicker1),
                              static_cast<QDateEdit*>(f.window->chartPage->dateTimePicker2)}) {
        QCOMPARE(picker->locale().language(), QLocale::German);
        QCOMPARE(februaryIn(picker), QString("Februar"));
    }
    gui::TForm3 entry(f.window.get());
    QCOMPARE(februaryIn(entry.dateTimePicker1), QString("Februar"));
}

// A language switch loads Qt's catalogue of the new language in place of the old one and
// moves the existing pickers and calendars along.
void QtLanguageTest::anotherLanguageReplacesThem() {
    WindowFixture f;
    f.startAndShow();
    QDateEdit* picker = f.window->databasePage->dateTimePicker1;
    QCOMPARE(februaryIn(picker), QString("Februar")); // the calendar exists from here on

    QVERIFY(gui::applyQtLanguage("fr"));
    QVERIFY(fileDialogLabel(f.window.get(), "lookInLabel").startsWith("Voir dans"));
    QCOMPARE(februaryIn(picker), QString("février"));

    gui::applyQtLanguage("en");
    QCOMPARE(fileDialogLabel(f.window.get(), "lookInLabel"), QString("Look in:"));
    QCOMPARE(februaryIn(picker), QString("February"));

    QVERIFY(gui::applyQtLanguage("de"));
    QCOMPARE(fileDialogLabel(f.window.get(), "lookInLabel"), QString("Suchen in:"));
    QCOMPARE(februaryIn(picker), QString("Februar"));
}

// The language files' own codes ("cz", "slo", "gr", "se", "nor", "dae") name their languages
// too; Qt's texts follow every language except Greek, for which Qt ships no catalogue, and
// Swedish, whose catalogue on Debian holds none of the dialogs' texts.
void QtLanguageTest::everyLanguageCodeGetsItsLocaleAndCatalogue() {
    WindowFixture f;
    f.startAndShow();
    QDateEdit* picker = f.window->databasePage->dateTimePicker1;
    const std::pair<const char*, QLocale::Language> codes[] = {
        {"en", QLocale::English}, {"fr", QLocale::French},           {"es", QLocale::Spanish},
        {"it", QLocale::Italian}, {"ru", QLocale::Russian},          {"tr", QLocale::Turkish},
        {"nl", QLocale::Dutch},   {"pl", QLocale::Polish},           {"cz", QLocale::Czech},
        {"slo", QLocale::Slovak}, {"hu", QLocale::Hungarian},        {"gr", QLocale::Greek},
        {"se", QLocale::Swedish}, {"nor", QLocale::NorwegianBokmal}, {"fi", QLocale::Finnish},
        {"dae", QLocale::Danish},
    };
    for (const auto& [code, language] : codes) {
        QCOMPARE(gui::applyQtLanguage(code), language != QLocale::Greek);
        QCOMPARE(picker->locale().language(), language);
        if (language != QLocale::Greek && language != QLocale::Swedish &&
            language != QLocale::English)
            QVERIFY2(fileDialogLabel(f.window.get(), "lookInLabel") != "Look in:", code);
    }
    QVERIFY(gui::applyQtLanguage("de"));
}

QTEST_MAIN(QtLanguageTest)
#include "QtLanguageTest.moc"
