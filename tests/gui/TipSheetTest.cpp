// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickableLabels.h"
#include "DatabasePage.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WindowFixture.h"
#include "commands/SheetEvaluation.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>

using namespace kav;
using namespace kav::test;

namespace {

// Sunday 26.05.2024 and Saturday 01.06.2024; today is Sunday 02.06.2024, so the newest
// draw, 5 12 30 40 50 with key 3, is current at start.
const std::vector<DrawRecord> kDraws{
    DrawRecord::make(dayCountFromCivil({2024, 5, 26}), {3, 14, 25, 36, 47}, 1),
    DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {5, 12, 30, 40, 50}, 3),
};

struct SheetFixture : WindowFixture {
    SheetFixture() {
        DrawFile(folder()).replace(kDraws);
        startAndShow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    gui::TipSheetView& sheet() { return *window->tipPage->sheet; }
    Workspace& ws() { return window->workspace(); }
    QLineEdit* cell(int editNumber) {
        return window->tipPage->findChild<QLineEdit*>(QString("Edit%1").arg(editNumber));
    }
    // Types `text` into a cell as the user does: focus, keys, then Tab to leave it.
    void type(int editNumber, const QString& text, bool leave = true) {
        QLineEdit* edit = cell(editNumber);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        if (leave)
            QTest::keyClick(edit, Qt::Key_Tab);
    }
    void typeRow(int row, const QStringList& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            type(TipSheet::editNumber(row, c), texts[c]);
    }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts << sheet().cell(row, c)->text();
        return texts;
    }
    QColor base(int editNumber) { return cell(editNumber)->palette().color(QPalette::Base); }
};

QColor textColour(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class TipSheetTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void rowsCellsAndButtonsCarryTheirNames();
    void typingIsValidatedOnEveryKey();
    void tabWalksTheCellsRowByRow();
    void leavingACellEvaluatesTheSheet();
    void typingOverAFilledRowKeepsEveryNumberTyped();
    void leavingACellWithTheEvaluationSwitchOffDoesNothing();
    void aRowWithAnEmptyCellLosesItsKeyWhenLeft();
    void rowLabelClicksLockAndUnlock();
    void clearAllKeepsLockedRows();
    void previousAndNextButtonsStepThroughTheDraws();
    void tipFileButtonsSaveAndLoadTheSheet();
};

void TipSheetTest::rowsCellsAndButtonsCarryTheirNames() {
    SheetFixture f;
    gui::TipOverviewPage& page = *f.window->tipPage;
    for (int r = 0; r < TipSheet::kRows; ++r) {
        const SheetRowNames& names = TipSheet::rowNames()[static_cast<std::size_t>(r)];
        auto* label = page.findChild<QLabel*>(names.rowLabel);
        QVERIFY2(label, names.rowLabel);
        QCOMPARE(label->text(), QString("%1. Tipp").arg(r + 1));
        QCOMPARE(label->toolTip(),
                 QString("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
        for (int c = 0; c < TipSheet::kColumns; ++c)
            QCOMPARE(f.sheet().cell(r, c), f.cell(TipSheet::editNumber(r, c)));
        QVERIFY(page.findChild<QLabel*>(names.hitsLabel));
        QVERIFY(page.findChild<QLabel*>(names.sumLabel));
        auto* editor = page.findChild<QToolButton*>(names.editorButton);
        QVERIFY2(editor, names.editorButton);
        QVERIFY(editor->isEnabled());
        QCOMPARE(editor->toolTip().contains("Tipp 1 mit dem Tippformular"), r >= 4 && r <= 7);
    }
    for (int n : {37, 42, 55, 80})
        QVERIFY(!page.sheet->findChild<QLineEdit*>(QString("Edit%1").arg(n)));

    QVERIFY(page.speedButton11->isEnabled());
    QCOMPARE(page.speedButton11->toolTip(), QString("Löschen aller Tipps"));
    auto* rowsToCompute = page.findChild<QSpinBox*>("UpDown8");
    QVERIFY(rowsToCompute->findChild<QLineEdit*>("Edit80"));
    QCOMPARE(rowsToCompute->minimum(), 1);
    QCOMPARE(rowsToCompute->maximum(), 12);
    QCOMPARE(rowsToCompute->value(), 5);
    QCOMPARE(page.bitBtn4->text(), QString("Tipps berechnen"));
    QVERIFY(page.bitBtn4->mapTo(&page, QPoint()).x() < rowsToCompute->mapTo(&page, QPoint()).x());
    QCOMPARE(page.button6->text(), QString("Verteilung der Tipps"));
}

void TipSheetTest::typingIsValidatedOnEveryKey() {
    SheetFixture f;
    QLineEdit* number = f.cell(1);
    f.type(1, "5", false);
    QCOMPARE(number->text(), QString("5"));
    QTest::keyClicks(number, "4");
    QCOMPARE(number->text(), QString("54"));
    QTest::keyClicks(number, "1");
    QCOMPARE(number->text(), QString(""));

    struct Case {
        int edit;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {1, "55", ""}, {1, "0", ""},  {1, "07", "7"}, {1, "12a", ""},
        {6, "0", "0"}, {6, "10", ""}, {6, "9", "9"},  {79, "3", "3"},
    };
    for (const Case& c : cases) {
        f.type(c.edit, c.typed, false);
        QCOMPARE(f.cell(c.edit)->text(), QString(c.shown));
        const auto position = *TipSheet::cellOfEdit(c.edit);
        QCOMPARE(QString::fromStdString(f.ws().ticket.sheet.cell(position.row, position.column)),
                 QString(c.shown));
    }
}

void TipSheetTest::tabWalksTheCellsRowByRow() {
    SheetFixture f;
    const std::pair<int, int> steps[] = {{1, 2}, {5, 6}, {6, 7}, {36, 43}, {54, 56}, {73, 74}};
    for (const auto& [from, to] : steps) {
        f.cell(from)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.cell(from), Qt::Key_Tab);
        QVERIFY2(f.cell(to)->hasFocus(), qPrintable(QString("Edit%1 -> Edit%2").arg(from).arg(to)));
    }
}

void TipSheetTest::leavingACellEvaluatesTheSheet() {
    SheetFixture f;
    f.typeRow(0, {"45", "34", "23", "12", "5", "3"});
    QCOMPARE(f.rowTexts(0), (QStringList{"5", "12", "23", "34", "45", "3"}));
    for (int edit : {1, 2, 6})
        QCOMPARE(f.base(edit), gui::TipSheetView::kLime);
    for (int edit : {3, 4, 5})
        QVERIFY(f.base(edit) != gui::TipSheetView::kLime);
    QLabel* hits = f.sheet().rows[0].hits;
    QCOMPARE(hits->text(), QString("2 + R"));
    QCOMPARE(textColour(hits), gui::TipSheetView::kRed);
    QCOMPARE(f.sheet().rows[0].sum->text(), QString("119"));
    QVERIFY(!f.ui->sounds.empty());
    QCOMPARE(f.ui->sounds.back(), std::string("yippee.wav"));

    f.typeRow(1, {"40", "7", "22", "3", "15", "1"});
    QCOMPARE(f.rowTexts(1), (QStringList{"3", "7", "15", "22", "40", "1"}));
    QCOMPARE(f.sheet().rows[1].sum->text(), QString("87"));
    QCOMPARE(f.sheet().rows[1].hits->text(), QString("1")); // 40 alone does not win
    QCOMPARE(textColour(f.sheet().rows[1].hits), QColor(Qt::black));
}

// Typing 12, 28, 30, 38, 41 over the row 3 4 6 8 30 once gave 4 8 28 30 41: each cell
// left re-sorted the row under the next number typed. The row is sorted once the focus
// leaves it.
void TipSheetTest::typingOverAFilledRowKeepsEveryNumberTyped() {
    SheetFixture f;
    f.typeRow(2, {"3", "4", "6", "8", "30", "2"});
    QCOMPARE(f.rowTexts(2), (QStringList{"3", "4", "6", "8", "30", "2"}));
    const QStringList typed{"41", "12", "38", "28", "30"};
    for (int c = 0; c < 5; ++c) {
        f.type(TipSheet::editNumber(2, c), typed[c]);
        QCOMPARE(f.sheet().cell(2, c)->text(), typed[c]); // still where it was typed
    }
    QVERIFY(f.cell(18)->hasFocus()); // the key cell, still in the row
    QCOMPARE(f.rowTexts(2), (QStringList{"41", "12", "38", "28", "30", "2"}));
    QTest::keyClick(f.cell(18), Qt::Key_Tab); // into row 4
    QCOMPARE(f.rowTexts(2), (QStringList{"12", "28", "30", "38", "41", "2"}));
    QCOMPARE(f.sheet().rows[2].sum->text(), QString("149"));
}

void TipSheetTest::leavingACellWithTheEvaluationSwitchOffDoesNothing() {
    SheetFixture f;
    f.ws().ticket.evaluationSwitch = false;
    f.typeRow(0, {"45", "34", "23", "12", "5", "3"});
    QCOMPARE(f.rowTexts(0), (QStringList{"45", "34", "23", "12", "5", "3"}));
    QCOMPARE(f.sheet().rows[0].hits->text(), QString(""));
}

void TipSheetTest::aRowWithAnEmptyCellLosesItsKeyWhenLeft() {
    SheetFixture f;
    f.typeRow(0, {"5", "12", "23", "34", "45", "3"});
    f.type(3, "", false);
    f.cell(7)->setFocus(Qt::MouseFocusReason); // into the next row
    QCOMPARE(f.rowTexts(0), (QStringList{"5", "12", "", "34", "45", ""}));
    QCOMPARE(f.sheet().rows[0].hits->text(), QString(""));
    for (int edit = 1; edit <= 6; ++edit)
        QVERIFY(f.base(edit) != gui::TipSheetView::kLime);
}

void TipSheetTest::rowLabelClicksLockAndUnlock() {
    SheetFixture f;
    gui::ClickableLabel* label = f.sheet().rows[2].label;
    const QColor normal = textColour(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(f.ws().ticket.sheet.locked(2));
    QCOMPARE(textColour(label), gui::TipSheetView::kRed);
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(!f.ws().ticket.sheet.locked(2));
    QCOMPARE(textColour(label), normal);
}

void TipSheetTest::clearAllKeepsLockedRows() {
    SheetFixture f;
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            f.ws().ticket.sheet.setCell(r, c, std::to_string(c == 5 ? 3 : 10 * c + 5));
    f.window->syncFromWorkspace();
    QTest::mouseClick(f.sheet().rows[2].label, Qt::LeftButton);
    QTest::mouseClick(f.sheet().rows[6].label, Qt::LeftButton);
    f.window->runCommand([&] { Komplettcheck(f.ws().program, f.ws().ticket, f.ws().drawWindow); });
    const QString lockedHits = f.sheet().rows[2].hits->text();
    QVERIFY(!lockedHits.isEmpty());

    QTest::mouseClick(f.window->tipPage->speedButton11, Qt::LeftButton);
    for (int r = 0; r < TipSheet::kRows; ++r) {
        const bool kept = r == 2 || r == 6;
        QCOMPARE(f.rowTexts(r) == QStringList(6, ""), !kept);
        QCOMPARE(f.sheet().rows[static_cast<std::size_t>(r)].hits->text().isEmpty(), !kept);
        QCOMPARE(f.sheet().rows[static_cast<std::size_t>(r)].sum->text().isEmpty(), !kept);
    }
    QCOMPARE(f.sheet().rows[2].hits->text(), lockedHits);
    QCOMPARE(f.base(13), gui::TipSheetView::kLime); // row 3's 5 is a hit and stays lime
}

void TipSheetTest::previousAndNextButtonsStepThroughTheDraws() {
    SheetFixture f;
    gui::TipOverviewPage& page = *f.window->tipPage;
    f.typeRow(0, {"3", "14", "1", "2", "4", "1"});
    const QString newest = page.tipDrawCaption->text();
    QVERIFY2(newest.endsWith("  5  12  30  40  50   R: 3"), qPrintable(newest));

    QTest::mouseClick(page.speedButton6, Qt::LeftButton);
    QVERIFY2(page.tipDrawCaption->text().endsWith("26.05.24    3  14  25  36  47   R: 1"),
             qPrintable(page.tipDrawCaption->text()));
    QCOMPARE(page.crossSumLabel->text(), QString("Quersumme: 125"));
    QCOMPARE(f.sheet().rows[0].hits->text(), QString("2 + R"));
    QCOMPARE(f.window->databasePage->drawCaption->text(), page.tipDrawCaption->text());
    QTest::mouseClick(page.speedButton6, Qt::LeftButton);
    QCOMPARE(f.ws().drawWindow.current.index, 0);

    QTest::mouseClick(page.speedButton7, Qt::LeftButton);
    QTest::mouseClick(page.speedButton7, Qt::LeftButton);
    QCOMPARE(page.tipDrawCaption->text(), newest);
    QCOMPARE(f.ws().drawWindow.current.index, 1);
}

void TipSheetTest::tipFileButtonsSaveAndLoadTheSheet() {
    SheetFixture f;
    gui::TipOverviewPage& page = *f.window->tipPage;
    f.typeRow(0, {"3", "7", "15", "22", "40", "5"});
    f.typeRow(2, {"5", "12", "30", "1", "2", ""});
    const std::filesystem::path file = f.folder() / "Tipps.hlt";
    f.ui->fileAnswers.push_back(file);
    QTest::mouseClick(page.speedButton15, Qt::LeftButton);
    QCOMPARE(f.ui->fileRequests.back().proposedName, std::string("20240605.hlt"));
    std::ifstream in(file, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), {}};
    QCOMPARE(saved, std::string("3,7,15,22,40,5\r\n1,2,5,12,30,\r\n"));

    QTest::mouseClick(page.speedButton11, Qt::LeftButton);
    QCOMPARE(f.rowTexts(0), QStringList(6, ""));
    f.ui->fileAnswers.push_back(file);
    QTest::mouseClick(page.speedButton16, Qt::LeftButton);
    QCOMPARE(f.rowTexts(0), (QStringList{"3", "7", "15", "22", "40", "5"}));
    QCOMPARE(f.rowTexts(1), (QStringList{"1", "2", "5", "12", "30", ""}));
    QCOMPARE(f.sheet().rows[1].hits->text(), QString("3"));
    QCOMPARE(f.base(9), gui::TipSheetView::kLime);
    QVERIFY(f.ui->errors.empty());

    // A file that is no tip file once emptied every row, the locked one included, and left
    // its red label and its old sum: now it is refused whole and the sheet stays.
    QTest::mouseClick(f.sheet().rows[0].label, Qt::LeftButton);
    const std::filesystem::path notes = f.folder() / "Notizen.hlt";
    std::ofstream(notes, std::ios::binary) << "hello world\r\n1,2,3\r\n";
    f.ui->fileAnswers.push_back(notes);
    QTest::mouseClick(page.speedButton16, Qt::LeftButton);
    QCOMPARE(f.ui->errors.size(), std::size_t{1});
    QVERIFY2(f.ui->errors[0].find(notes.string() + " ist keine Tippdatei") != std::string::npos,
             f.ui->errors[0].c_str());
    QCOMPARE(f.rowTexts(0), (QStringList{"3", "7", "15", "22", "40", "5"}));
    QCOMPARE(f.rowTexts(1), (QStringList{"1", "2", "5", "12", "30", ""}));
    QCOMPARE(textColour(f.sheet().rows[0].label), gui::TipSheetView::kRed);
    QCOMPARE(f.sheet().rows[0].sum->text(), QString("87"));
}

QTEST_MAIN(TipSheetTest)
#include "TipSheetTest.moc"
