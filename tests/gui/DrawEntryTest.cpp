// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabasePage.h"
#include "LoEingab.h"
#include "WindowFixture.h"
#include "commands/DrawSelection.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace kav;
using namespace kav::test;

namespace {

const std::vector<DrawRecord> kDraws{
    DrawRecord::make(dayCountFromCivil({2024, 5, 18}), {3, 14, 25, 36, 47}, 1),
    DrawRecord::make(dayCountFromCivil({2024, 5, 25}), {5, 12, 30, 40, 50}, 3),
    DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {1, 2, 3, 4, 54}, 0),
};

// Runs `drive` on the entry dialog as soon as it is shown modally.
void whenDialogShows(std::function<void(gui::TForm3&)> drive) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, drive] {
        if (auto* dialog = qobject_cast<gui::TForm3*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            drive(*dialog);
        }
    });
    poll->start();
}

void typeInto(QSpinBox* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

class DrawEntryTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void dialogShowsItsDesign();
    void spinFieldsTakeOnlyValuesOfTheirRange();
    void okReturnsTheFieldsAndAbortReturnsNothing();
    void entryButtonStoresTheDialogsDrawSorted();
    void aNumberInTwoFieldsCannotBeConfirmed();
    void deleteButtonRemovesTheShownDraw();
};

void DrawEntryTest::dialogShowsItsDesign() {
    gui::TForm3 dialog;
    QCOMPARE(dialog.windowTitle(), QString("Zahlen der Ziehung eingeben"));
    for (QSpinBox* field : dialog.numberFields) {
        QCOMPARE(field->minimum(), 1);
        QCOMPARE(field->maximum(), 54);
    }
    QCOMPARE(dialog.keyField->minimum(), 0);
    QCOMPARE(dialog.keyField->maximum(), 9);
    QVERIFY(dialog.findChild<QLabel*>() && dialog.findChild<QLabel*>()->text() == "S:");
    QCOMPARE(dialog.okButton->text(), QString("OK"));

    dialog.preset(kDraws[1]);
    QCOMPARE(dialog.dateTimePicker1->date(), QDate(2024, 5, 25));
    QCOMPARE(dialog.numberFields[2]->value(), 30);
    QCOMPARE(dialog.keyField->value(), 3);
    QCOMPARE(dialog.entered(), kDraws[1]);
}

void DrawEntryTest::spinFieldsTakeOnlyValuesOfTheirRange() {
    gui::TForm3 dialog;
    dialog.preset(kDraws[1]);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QSpinBox* first = dialog.numberFields[0];
    typeInto(first, "abc");
    QCOMPARE(first->value(), 5);
    typeInto(first, "77"); // "7" is a number of the range, "77" is not
    QCOMPARE(first->value(), 7);
    typeInto(dialog.keyField, "12");
    QCOMPARE(dialog.keyField->value(), 1);

    // An emptied field shows its last valid value again when it is left.
    typeInto(first, "");
    QTest::keyClick(first, Qt::Key_Delete);
    dialog.numberFields[1]->setFocus();
    QCOMPARE(first->value(), 7);
    QCOMPARE(first->text(), QString("7"));
}

void DrawEntryTest::okReturnsTheFieldsAndAbortReturnsNothing() {
    whenDialogShows([](gui::TForm3& d) {
        typeInto(d.numberFields[4], "44");
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    const auto entered = gui::runDrawEntry(nullptr, kDraws[1]);
    QVERIFY(entered);
    QCOMPARE(entered->number(4), 44);
    QCOMPARE(entered->date, kDraws[1].date);

    whenDialogShows([](gui::TForm3& d) { QTest::mouseClick(d.abortButton, Qt::LeftButton); });
    QVERIFY(!gui::runDrawEntry(nullptr, kDraws[1]));
}

void DrawEntryTest::entryButtonStoresTheDialogsDrawSorted() {
    WindowFixture f;
    DrawFile(f.folder()).replace(kDraws);
    f.startAndShow();
    f.ui->realDrawEntryDialog = true;
    f.window->pageControl->setCurrentIndex(3);

    DrawRecord presetSeen;
    whenDialogShows([&](gui::TForm3& d) {
        presetSeen = d.entered();
        d.dateTimePicker1->setDate(QDate(2024, 6, 8));
        const int numbers[] = {40, 7, 22, 3, 15};
        for (std::size_t i = 0; i < 5; ++i)
            typeInto(d.numberFields[i], QString::number(numbers[i]));
        typeInto(d.keyField, "6");
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    QTest::mouseClick(f.window->databasePage->entryButton, Qt::LeftButton);

    QCOMPARE(presetSeen, kDraws[2]); // the newest draw is current at start
    const auto stored = DrawFile(f.folder()).readAll().records;
    QCOMPARE(stored.size(), std::size_t{4});
    QCOMPARE(stored.back(),
             DrawRecord::make(dayCountFromCivil({2024, 6, 8}), {3, 7, 15, 22, 40}, 6));
    // The draw the dialog was opened with stays on display.
    QVERIFY(f.window->databasePage->drawCaption->text().contains("01.06.24"));
    QVERIFY(f.ui->errors.empty());
}

void DrawEntryTest::aNumberInTwoFieldsCannotBeConfirmed() {
    WindowFixture f;
    DrawFile(f.folder()).replace(kDraws);
    f.startAndShow();
    f.ui->realDrawEntryDialog = true;
    f.window->pageControl->setCurrentIndex(3);

    bool refused = false;
    whenDialogShows([&](gui::TForm3& d) {
        QVERIFY(d.okButton->isEnabled());
        QVERIFY(d.repeatedNumberLabel->isHidden());
        for (QSpinBox* field : d.numberFields)
            typeInto(field, "5");
        QVERIFY(!d.okButton->isEnabled());
        QVERIFY(d.repeatedNumberLabel->isVisible());
        QCOMPARE(d.repeatedNumberLabel->text(),
                 QString("Die Zahl 5 ist mehrfach eingegeben. Eine Ziehung besteht aus fünf "
                         "verschiedenen Zahlen."));
        QTest::keyClick(&d, Qt::Key_Return); // the default button does not take it either
        refused = d.isVisible();
        // One field changed makes the draw whole again.
        for (int i = 1; i < 5; ++i)
            typeInto(d.numberFields[static_cast<std::size_t>(i)], QString::number(10 * i));
        QVERIFY(d.okButton->isEnabled());
        QVERIFY(d.repeatedNumberLabel->isHidden());
        QTest::mouseClick(d.abortButton, Qt::LeftButton);
    });
    QTest::mouseClick(f.window->databasePage->entryButton, Qt::LeftButton);
    QVERIFY(refused);
    QCOMPARE(DrawFile(f.folder()).readAll().records, kDraws);
    QVERIFY(f.ui->errors.empty());
}

void DrawEntryTest::deleteButtonRemovesTheShownDraw() {
    WindowFixture f;
    DrawFile(f.folder()).replace(kDraws);
    f.startAndShow();
    f.window->workspace().drawWindow.endPicker.set(dayCountFromCivil({2024, 5, 25}));
    f.window->runCommand([&] {
        SpeedButton5Click(f.window->workspace().program, f.window->workspace().ticket,
                          f.window->workspace().drawWindow, f.window->workspace().view);
    });
    QVERIFY(f.window->databasePage->drawCaption->text().contains("25.05.24"));

    QTest::mouseClick(f.window->databasePage->deleteButton, Qt::LeftButton);
    const auto stored = DrawFile(f.folder()).readAll().records;
    QCOMPARE(stored, (std::vector<DrawRecord>{kDraws[0], kDraws[2]}));
    QVERIFY(f.window->databasePage->drawCaption->text().contains("01.06.24"));
    QVERIFY(f.ui->questions.empty());
    QVERIFY(!std::filesystem::exists(f.folder() / "Zahlen.da~"));
}

QTEST_MAIN(DrawEntryTest)
#include "DrawEntryTest.moc"
