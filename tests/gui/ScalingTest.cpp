// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"
#include "DatabasePage.h"
#include "DatePickerEdit.h"
#include "LoEingab.h"
#include "ScalingStyle.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOption>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

// What the style draws at a fixed size, as the widgets ask it.
struct DrawnParts {
    QSize checkIndicator;
    QSize radioIndicator;
    QSize spinArrow;
    QSize pickerArrow;
    QSize toolIcon;
    int fontPixels = 0;
};

QSize checkIndicator(const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(element, &option, button).size();
}

QSize upArrow(const QAbstractSpinBox* spin) {
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_All;
    option.buttonSymbols = spin->buttonSymbols();
    option.frame = true;
    return spin->style()
        ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin)
        .size();
}

QSize dropDownArrow(const QWidget* picker) {
    QStyleOptionComboBox option;
    option.initFrom(picker);
    option.subControls = QStyle::SC_All;
    option.frame = true;
    option.editable = true;
    return picker->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, picker)
        .size();
}

// Measures each part on its page as shown (a hidden page is laid out when it shows).
DrawnParts measure(gui::TForm1& w) {
    DrawnParts parts;
    const auto show = [&w](Page page) {
        w.pageControl->setCurrentIndex(static_cast<int>(page));
        QTest::qWait(20);
    };
    show(Page::Calculation);
    parts.checkIndicator = checkIndicator(w.calculationPage->checkBox(CheckBox::FrequentPairs),
                                          QStyle::SE_CheckBoxIndicator);
    parts.radioIndicator =
        checkIndicator(w.calculationPage->findChild<QRadioButton*>("RadioGroup1Item0"),
                       QStyle::SE_RadioButtonIndicator);
    parts.spinArrow = upArrow(w.calculationPage->upDown(UpDown::FrequentNumbersPercent));
    show(Page::Database);
    parts.pickerArrow = dropDownArrow(w.databasePage->dateTimePicker1);
    show(Page::TipOverview);
    parts.toolIcon = w.tipPage->speedButton15->iconSize();
    parts.fontPixels = w.pageControl->font().pixelSize();
    return parts;
}

// The arrows' height is the field's, which follows the font's line height anyway; their
// width is what a style keeps fixed.
enum class Grows { Both, InWidth };

void verifyGrown(const QSize& designed, const QSize& scaled, const char* what,
                 Grows grows = Grows::Both) {
    const double factor = 1.8; // the font sizes are whole pixels
    QVERIFY2(scaled.width() >= designed.width() * factor &&
                 (grows == Grows::InWidth || scaled.height() >= designed.height() * factor),
             qPrintable(QString("%1: %2x%3 -> %4x%5")
                            .arg(what)
                            .arg(designed.width())
                            .arg(designed.height())
                            .arg(scaled.width())
                            .arg(scaled.height())));
}

} // namespace

class ScalingTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void styleDrawnPartsGrowWithTheFonts();
    void windowsOfTheirOwnFontKeepTheStylesSizes();
};

// A window twice as high doubles the fonts; check boxes, radio buttons, spin and picker
// arrows and the tool buttons' icons grow along, so the window looks like a larger version
// of the designed one. Back at the designed size they are as designed again.
void ScalingTest::styleDrawnPartsGrowWithTheFonts() {
    WindowFixture f;
    f.startAndShow();
    gui::TForm1& w = *f.window;
    const QSize designedSize = w.size();
    const DrawnParts designed = measure(w);
    w.resize(designedSize.width() * 2, designedSize.height() * 2);
    QTRY_COMPARE(w.pageControl->font().pixelSize(), 2 * designed.fontPixels);
    const DrawnParts scaled = measure(w);
    verifyGrown(designed.checkIndicator, scaled.checkIndicator, "check box");
    verifyGrown(designed.radioIndicator, scaled.radioIndicator, "radio button");
    verifyGrown(designed.spinArrow, scaled.spinArrow, "spin arrow", Grows::InWidth);
    verifyGrown(designed.pickerArrow, scaled.pickerArrow, "picker arrow", Grows::InWidth);
    verifyGrown(designed.toolIcon, scaled.toolIcon, "tool icon");
    // The menu and the status bar keep the window's own font and are not scaled.
    QCOMPARE(gui::ScalingStyle::scaleOf(w.statusPanel1), 1.0);

    w.resize(designedSize);
    QTRY_COMPARE(w.pageControl->font().pixelSize(), designed.fontPixels);
    const DrawnParts again = measure(w);
    QCOMPARE(again.checkIndicator, designed.checkIndicator);
    QCOMPARE(again.spinArrow, designed.spinArrow);
    QCOMPARE(again.toolIcon, designed.toolIcon);
}

// A dialog draws with its own font and looks exactly as the style draws it.
void ScalingTest::windowsOfTheirOwnFontKeepTheStylesSizes() {
    WindowFixture f;
    f.startAndShow();
    f.window->resize(f.window->width() * 2, f.window->height() * 2);
    QTest::qWait(20);
    gui::TForm3 dialog;
    QSpinBox* field = dialog.numberFields[0];
    QCOMPARE(gui::ScalingStyle::scaleOf(field), 1.0);
    QStyle* base = qobject_cast<QProxyStyle*>(field->style())->baseStyle();
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.subControls = QStyle::SC_All;
    option.frame = true;
    QCOMPARE(
        field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field),
        base->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field));
    QCOMPARE(field->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, field),
             base->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, field));
}

QTEST_MAIN(ScalingTest)
#include "ScalingTest.moc"
#include "model/Controls.h"
