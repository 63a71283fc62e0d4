// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WeeklyDraws.h"
#include "WindowFixture.h"
#include "Zahlenwahl.h"
#include "app/Workspace.h"
#include "commands/TipCalculation.h"
#include "model/Controls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>

using namespace kav;
using namespace kav::test;

namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct DialogFixture : WindowFixture {
    DialogFixture() {
        writeFortyWeeklyDraws(folder());
        startAndShow();
        ws().options.setValue(UpDown::RowsToCompute, 12);
        ws().options.setKeyModeItem(0);
        window->syncFromWorkspace();
    }
    Workspace& ws() { return window->workspace(); }
    gui::TForm6& dialog() { return *window->numberListDialog; }

    // Runs `act` once the modal dialog shows (a command opens it after this returns).
    void whenDialogShows(std::function<void(gui::TForm6&)> act) {
        QTimer::singleShot(0, window.get(), [this, act] {
            if (!dialog().isVisible()) {
                whenDialogShows(act);
                return;
            }
            act(dialog());
            if (dialog().isVisible()) // a failed check must not leave the dialog waiting
                dialog().reject();
        });
    }
    void calculateWith(bool checkBox20) {
        ws().options.setChecked(CheckBox::ShowNumberList, checkBox20);
        window->syncFromWorkspace();
        QTest::mouseClick(window->tipPage->bitBtn4, Qt::LeftButton);
    }
    void editRow(int row) {
        QTest::mouseClick(window->tipPage->sheet->rows[static_cast<std::size_t>(row)].editor,
                          Qt::LeftButton);
    }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            texts << window->tipPage->sheet->cell(row, c)->text();
        return texts;
    }
    void setRow(int row, const QStringList& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            ws().ticket.sheet.setCell(row, c, texts[c].toStdString());
        window->syncFromWorkspace();
    }
    std::set<int> numbersInSheet() {
        std::set<int> numbers;
        for (int r = 0; r < TipSheet::kRows; ++r)
            for (const QString& text : rowTexts(r).mid(0, 5))
                if (!text.isEmpty())
                    numbers.insert(text.toInt());
        return numbers;
    }
    std::vector<QStringList> sheetTexts() {
        std::vector<QStringList> rows;
        for (int r = 0; r < TipSheet::kRows; ++r)
            rows.push_back(rowTexts(r));
        return rows;
    }
    void expectIdle() {
        QCOMPARE(window->tipPage->bitBtn4->text(), QString("Tipps berechnen"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!ws().run.running);
        QVERIFY(ws().ticket.evaluationSwitch);
        QVERIFY(!dialog().isVisible());
    }
};

QList<int> checkedNumbers(const gui::TForm6& d) {
    QList<int> numbers;
    for (int k = 1; k <= kListNumbers; ++k)
        if (d.box(k)->isChecked())
            numbers << k;
    return numbers;
}

QList<int> yellowNumbers(const gui::TForm6& d) {
    QList<int> numbers;
    for (int k = 1; k <= kListNumbers; ++k)
        if (d.box(k)->palette().color(QPalette::Window) == gui::TForm6::kYellow)
            numbers << k;
    return numbers;
}

void setBoxes(gui::TForm6& d, const std::map<int, QString>& checkedWithWeight) {
    for (int k = 1; k <= kListNumbers; ++k) {
        const auto it = checkedWithWeight.find(k);
        d.box(k)->setChecked(it != checkedWithWeight.end());
        if (it != checkedWithWeight.end())
            d.box(k)->setToolTip(it->second);
    }
}

} // namespace

class NumberListDialogTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void theDialogIsCreatedAtStartUpWithItsBoxesAndButtons();
    void calculateRebuildsThePoolFromTheDialog();
    void okThroughTheEnterKeyKeepsThePool();
    void aWeightThatIsNoNumberGivesAMessageAndAnIdleWindow();
    void abortAndClosingLeaveTheUnlockedRowsCleared();
    void listFilesRoundTripThroughTheDialogsButtons();
    void theRowEditorMarksTheRowAndWritesItBack();
    void theRandomAnimationTakesSixPresses();
    void theLuckyNumberSeedsTheGenerator();
};

void NumberListDialogTest::theDialogIsCreatedAtStartUpWithItsBoxesAndButtons() {
    DialogFixture f;
    gui::TForm6& d = f.dialog();
    QCOMPARE(d.objectName(), QString("Form6"));
    QCOMPARE(d.windowTitle(), QString("Welche Zahlen für die Berechnung"));
    QCOMPARE(d.parentWidget(), f.window.get());
    QVERIFY(d.isModal());
    for (int k = 1; k <= kListNumbers; ++k) {
        QCOMPARE(d.box(k)->text(), QString::number(k));
        QCOMPARE(d.box(k)->objectName(), QString("CheckBox%1").arg(k));
    }
    QCOMPARE(d.speedButton1->toolTip(), QString("Speichern der Liste"));
    QCOMPARE(d.speedButton2->toolTip(), QString("Laden der Liste"));
    QCOMPARE(d.bitBtn3->text(), QString("&Rechnen"));
    QCOMPARE(d.bitBtn4->text(), QString("&Zufall"));
    QVERIFY(d.bitBtn1->isDefault());
    QCOMPARE(d.timer1->interval(), 25);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    // "&Rechnen" lies over OK; "&Zufall" only shows for the row editor.
    QVERIFY(d.bitBtn3->isVisible());
    QVERIFY(d.bitBtn1->isVisible());
    QCOMPARE(d.bitBtn3->geometry(), d.bitBtn1->geometry());
    QCOMPARE(d.childAt(d.bitBtn1->geometry().center()), d.bitBtn3);
    QVERIFY(!d.bitBtn4->isVisible());
    const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        QVERIFY(d.grab().save(QString::fromUtf8(shots) + "/number-list.png"));
    d.hide();

    // The window's row editor buttons and the lucky number work now.
    for (const auto& row : f.window->tipPage->sheet->rows)
        QVERIFY(row.editor->isEnabled());
    QVERIFY(f.window->tipPage->speedButton13->isEnabled());
    QCOMPARE(f.window->tipPage->speedButton13->toolTip(),
             QString("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp "
                     "generieren"));
}

void NumberListDialogTest::calculateRebuildsThePoolFromTheDialog() {
    DialogFixture f;
    QList<int> shownChecked;
    QString weightOfAChecked;
    QString weightOfAnUnchecked;
    bool normalCursor = false;
    QPoint dialogCentre;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        f.ws().run.random.setSeed(seed);
        f.whenDialogShows([&](gui::TForm6& d) {
            shownChecked = checkedNumbers(d);
            weightOfAChecked = d.box(shownChecked.front())->toolTip();
            weightOfAnUnchecked = d.box(10)->toolTip(); // 10 was in the last draw
            normalCursor = !QApplication::overrideCursor();
            dialogCentre = d.frameGeometry().center();
            // 7 unchecked with a weight that would make it nearly certain; 8 nearly certain.
            QTest::mouseClick(d.box(7), Qt::LeftButton);
            d.box(7)->setToolTip("500");
            d.box(8)->setToolTip("500");
            QTest::mouseClick(d.bitBtn3, Qt::LeftButton);
        });
        f.calculateWith(true);
        QCOMPARE(f.window->statusPanel1->text(), QString("Tipps wurden neu berechnet"));
        QVERIFY(!f.numbersInSheet().contains(7));
        int rowsWith8 = 0;
        for (int r = 0; r < TipSheet::kRows; ++r)
            rowsWith8 += f.rowTexts(r).mid(0, 5).contains("8") ? 1 : 0;
        QVERIFY2(rowsWith8 >= 8, qPrintable(QString::number(rowsWith8)));
    }
    // The default pool: every number but those of the last draw (10 15 30 38 48).
    QCOMPARE(shownChecked.size(), 49);
    QVERIFY(!shownChecked.contains(10) && !shownChecked.contains(48));
    QVERIFY(weightOfAChecked.toInt() >= 1);
    QCOMPARE(weightOfAnUnchecked, QString("0"));
    QVERIFY(normalCursor);
    QVERIFY((dialogCentre - f.window->frameGeometry().center()).manhattanLength() <= 2);
    f.expectIdle();
}

void NumberListDialogTest::okThroughTheEnterKeyKeepsThePool() {
    DialogFixture f;
    f.ws().run.random.setSeed(42);
    f.calculateWith(false);
    const auto withoutDialog = f.sheetTexts();

    f.ws().run.random.setSeed(42);
    f.whenDialogShows([](gui::TForm6& d) {
        QTest::mouseClick(d.box(7), Qt::LeftButton); // dropped: OK keeps the pool
        QTest::keyClick(d.box(1), Qt::Key_Return);
    });
    f.calculateWith(true);
    QCOMPARE(f.sheetTexts(), withoutDialog);
    f.expectIdle();
}

void NumberListDialogTest::aWeightThatIsNoNumberGivesAMessageAndAnIdleWindow() {
    DialogFixture f;
    f.whenDialogShows([](gui::TForm6& d) {
        d.box(12)->setChecked(true);
        d.box(12)->setToolTip("x");
        QTest::mouseClick(d.bitBtn3, Qt::LeftButton);
    });
    f.calculateWith(true);
    QCOMPARE(f.ui->errors.size(), std::size_t{1});
    QVERIFY2(f.ui->errors[0].find("\"x\" der Zahl 12") != std::string::npos,
             f.ui->errors[0].c_str());
    f.expectIdle();
    QVERIFY(f.window->calculationPage->checkBox(CheckBox::ShowNumberList)->isChecked());
}

void NumberListDialogTest::abortAndClosingLeaveTheUnlockedRowsCleared() {
    DialogFixture f;
    const QStringList locked{"10", "20", "30", "40", "50", "3"};
    for (const bool byEscape : {false, true}) {
        f.setRow(0, {"1", "2", "3", "4", "5", "3"});
        f.setRow(1, locked);
        f.ws().ticket.sheet.setLocked(1, true);
        f.whenDialogShows([byEscape](gui::TForm6& d) {
            if (byEscape)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                QTest::mouseClick(d.bitBtn2, Qt::LeftButton);
        });
        f.calculateWith(true);
        QCOMPARE(f.rowTexts(0), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(f.rowTexts(1), locked);
        QVERIFY(f.numbersInSheet().size() == 5);
        f.expectIdle();
    }
}

void NumberListDialogTest::listFilesRoundTripThroughTheDialogsButtons() {
    DialogFixture f;
    const auto saved = f.folder() / "auswahl.hlw";
    const auto twenty = f.folder() / "zwanzig.hlw";
    const auto damaged = f.folder() / "kaputt.hlw";
    std::string twentyLines;
    for (int k = 1; k <= 20; ++k)
        twentyLines += (k % 2 ? "2" : "") + std::string("\r\n");
    writeBytes(twenty, twentyLines);
    writeBytes(damaged, "1\r\n2\r\nkeine Zahl\r\n");

    std::string savedText;
    QString emptyWeightAfterSave;
    QList<int> afterTwenty;
    QString weightOf21;
    QList<int> afterDamaged;
    QString weightOf1AfterDamaged;
    f.whenDialogShows([&](gui::TForm6& d) {
        std::map<int, QString> first10;
        for (int k = 1; k <= 10; ++k)
            first10[k] = QString::number(k);
        first10[3] = "";
        setBoxes(d, first10);
        f.ui->fileAnswers = {saved, twenty, damaged};
        QTest::mouseClick(d.speedButton1, Qt::LeftButton);
        savedText = readBytes(saved);
        emptyWeightAfterSave = d.box(3)->toolTip();

        QTest::mouseClick(d.speedButton2, Qt::LeftButton);
        afterTwenty = checkedNumbers(d);
        weightOf21 = d.box(21)->toolTip();

        QTest::mouseClick(d.speedButton2, Qt::LeftButton);
        afterDamaged = checkedNumbers(d);
        weightOf1AfterDamaged = d.box(1)->toolTip();
        QTest::mouseClick(d.bitBtn2, Qt::LeftButton);
    });
    f.editRow(0);

    std::string expected;
    for (const char* w : {"1", "2", "1", "4", "5", "6", "7", "8", "9", "10"})
        expected += std::string(w) + "\r\n";
    for (int k = 11; k <= 54; ++k)
        expected += "\r\n";
    QCOMPARE(savedText, expected);
    QCOMPARE(emptyWeightAfterSave, QString("1"));
    QCOMPARE(afterTwenty, QList<int>({1, 3, 5, 7, 9, 11, 13, 15, 17, 19}));
    QCOMPARE(weightOf21, QString("1"));
    // The damaged file changes nothing and says why.
    QCOMPARE(afterDamaged, afterTwenty);
    QCOMPARE(weightOf1AfterDamaged, QString("2"));
    QCOMPARE(f.ui->errors.size(), std::size_t{1});
    QVERIFY(f.ui->errors[0].find("Zeile 3") != std::string::npos);

    QCOMPARE(f.ui->fileRequests.size(), std::size_t{3});
    const FileDialogRequest& request = f.ui->fileRequests[0];
    QCOMPARE(request.filter, std::string("Werteliste|*.hlw"));
    QCOMPARE(request.defaultExtension, std::string("hlw"));
    QCOMPARE(request.proposedName, std::string("20240602.hlw"));
}

void NumberListDialogTest::theRowEditorMarksTheRowAndWritesItBack() {
    DialogFixture f;
    struct Case {
        const char* name;
        QStringList before;
        std::function<void(gui::TForm6&)> act;
        QList<int> marked;
        QStringList after;
    };
    const QStringList row{"3", "17", "22", "40", "51", "6"};
    const auto ok = [](gui::TForm6& d) { QTest::mouseClick(d.bitBtn1, Qt::LeftButton); };
    const Case cases[] = {
        {"unchanged OK", row, ok, {3, 17, 22, 40, 51}, row},
        {"51 unchecked",
         row,
         [&](gui::TForm6& d) {
             QTest::mouseClick(d.box(51), Qt::LeftButton);
             ok(d);
         },
         {3, 17, 22, 40, 51},
         {"3", "17", "22", "40", "51", "6"}},
        {"two more checked",
         row,
         [&](gui::TForm6& d) {
             QTest::mouseClick(d.box(1), Qt::LeftButton);
             QTest::mouseClick(d.box(20), Qt::LeftButton);
             ok(d);
         },
         {3, 17, 22, 40, 51},
         {"1", "3", "17", "20", "22", "6"}},
        {"an empty first cell marks nothing",
         {"", "17", "22", "40", "51", ""},
         ok,
         {},
         {"", "17", "22", "40", "51", ""}},
        {"Abort changes nothing",
         row,
         [](gui::TForm6& d) {
             QTest::mouseClick(d.box(1), Qt::LeftButton);
             QTest::mouseClick(d.bitBtn2, Qt::LeftButton);
         },
         {3, 17, 22, 40, 51},
         row},
    };
    for (const Case& c : cases) {
        f.setRow(2, c.before);
        QString caption;
        QList<int> checked, yellow;
        bool zufallShown = false, rechnenShown = true, okShown = false;
        f.whenDialogShows([&](gui::TForm6& d) {
            caption = d.windowTitle();
            checked = checkedNumbers(d);
            yellow = yellowNumbers(d);
            zufallShown = d.bitBtn4->isVisible();
            rechnenShown = d.bitBtn3->isVisible();
            okShown = d.bitBtn1->isVisible();
            c.act(d);
        });
        f.editRow(2);
        QCOMPARE(caption, QString("3.Tipp bearbeiten"));
        QCOMPARE(checked, c.marked);
        QCOMPARE(yellow, c.marked);
        QVERIFY(zufallShown && !rechnenShown && okShown);
        QCOMPARE(f.rowTexts(2), c.after);

        // Whatever the result, the dialog is ready for the generator again.
        gui::TForm6& d = f.dialog();
        QCOMPARE(d.windowTitle(), QString("Zahlen für Berechnung wählen"));
        QVERIFY(yellowNumbers(d).isEmpty());
        d.show();
        QVERIFY(d.bitBtn3->isVisible() && !d.bitBtn4->isVisible());
        d.hide();
    }
}

void NumberListDialogTest::theRandomAnimationTakesSixPresses() {
    DialogFixture f;
    f.setRow(4, {"", "", "", "", "", ""});
    QStringList captions;
    QList<int> atTheStop;
    bool timerStopped = false;
    f.whenDialogShows([&](gui::TForm6& d) {
        for (int press = 1; press <= 5; ++press) {
            QTest::mouseClick(d.bitBtn4, Qt::LeftButton);
            const QString running = QString("%1 Stopp").arg(press);
            QTRY_COMPARE(d.bitBtn4->text(), running);
            QTRY_COMPARE(checkedNumbers(d).size(), 5);
            captions << d.bitBtn4->text();
            QCOMPARE(yellowNumbers(d), checkedNumbers(d));
        }
        QTest::mouseClick(d.bitBtn4, Qt::LeftButton);
        captions << d.bitBtn4->text();
        atTheStop = checkedNumbers(d);
        timerStopped = !d.timer1->isActive();
        QTest::qWait(60); // no tick changes the boxes any more
        QCOMPARE(checkedNumbers(d), atTheStop);
        QTest::mouseClick(d.bitBtn1, Qt::LeftButton);
    });
    f.editRow(4);
    QCOMPARE(captions,
             QStringList({"1 Stopp", "2 Stopp", "3 Stopp", "4 Stopp", "5 Stopp", "Zufall"}));
    QVERIFY(timerStopped);
    QCOMPARE(atTheStop.size(), 5);
    QStringList expected;
    for (int n : atTheStop)
        expected << QString::number(n);
    expected << "";
    QCOMPARE(f.rowTexts(4), expected);
    QVERIFY(!f.dialog().animation().running());
}

void NumberListDialogTest::theLuckyNumberSeedsTheGenerator() {
    DialogFixture f;
    const auto runAfterLuckyNumber = [&](const char* lucky) {
        f.ui->textAnswers.push_back(std::string(lucky));
        QTest::mouseClick(f.window->tipPage->speedButton13, Qt::LeftButton);
        f.calculateWith(false);
        return f.sheetTexts();
    };
    f.ui->textAnswers.push_back(std::string("815"));
    QTest::mouseClick(f.window->tipPage->speedButton13, Qt::LeftButton);
    QCOMPARE(f.window->statusPanel1->text(), QString("Glückszahl 815 gesetzt"));
    QCOMPARE(f.ui->questions.back(),
             std::string("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));

    const auto first = runAfterLuckyNumber("815");
    QCOMPARE(runAfterLuckyNumber("815"), first);
    QVERIFY(runAfterLuckyNumber("816") != first);

    // The core alone with the seed 815 draws the same sheet.
    RecordingInteraction quiet;
    Workspace core(f.folder(), quiet);
    core.options = f.ws().options;
    core.drawWindow.startPicker = f.ws().drawWindow.startPicker;
    core.drawWindow.endPicker = f.ws().drawWindow.endPicker;
    core.ticket.evaluationSwitch = true;
    core.run.random.setSeed(815);
    Label28Click(core.program, core.options, core.ticket, core.drawWindow, core.run, core.view);
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            QCOMPARE(QString::fromStdString(core.ticket.sheet.cell(r, c)),
                     first[static_cast<std::size_t>(r)][c]);

    // Text that is no whole number reseeds from the clock and leaves the status bar.
    const QString status = f.window->statusPanel1->text();
    f.ui->textAnswers.push_back(std::string("abc"));
    QTest::mouseClick(f.window->tipPage->speedButton13, Qt::LeftButton);
    QCOMPARE(f.window->statusPanel1->text(), status);
}

QTEST_MAIN(NumberListDialogTest)
#include "NumberListDialogTest.moc"
