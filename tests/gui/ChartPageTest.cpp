// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPage.h"
#include "DatabasePage.h"
#include "DatePickerEdit.h"
#include "ShownToolTip.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "draws/DrawFile.h"
#include "model/Random.h"
#include "support/TestEnvironment.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QValueAxis>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

const DayCount kFirstDraw = kMinimumPickerDate;

DrawRecord drawOfWeek(int week, const std::array<int, 5>& numbers, int key) {
    return DrawRecord::make(static_cast<double>(kFirstDraw + 7 * week), numbers, key);
}

// A weekly history of `count` draws of five distinct numbers, the same every time.
std::vector<DrawRecord> generatedHistory(int count) {
    Random random(20050206);
    std::vector<DrawRecord> draws;
    for (int week = 0; week < count; ++week) {
        std::array<int, 5> numbers{};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            int n = 0;
            do
                n = 1 + static_cast<int>(random.next(54));
            while (std::find(numbers.begin(), numbers.begin() + static_cast<long>(i), n) !=
                   numbers.begin() + static_cast<long>(i));
            numbers[i] = n;
        }
        draws.push_back(drawOfWeek(week, numbers, static_cast<int>(random.next(10))));
    }
    return draws;
}

void writeDraws(const std::filesystem::path& folder, const std::vector<DrawRecord>& draws) {
    DrawFile(folder).replace(draws);
}

// Hand-made draws that show the edges; the end date is week 4's.
const std::vector<DrawRecord> kEdgeDraws{
    drawOfWeek(0, {1, 2, 3, 4, 5}, 3),      drawOfWeek(1, {51, 52, 53, 54, 7}, 7),
    drawOfWeek(2, {10, 20, 30, 40, 50}, 3), drawOfWeek(3, {11, 12, 13, 14, 49}, 0),
    drawOfWeek(4, {2, 3, 22, 33, 44}, 5),
};

// The bottom-axis caption as the user reads it.
QString shownCaption(const gui::ChartPage& page) {
    QTextDocument document;
    document.setHtml(page.bottomAxis->titleText());
    return document.toPlainText();
}

// The texts the chart draws (axis labels and titles), as the user sees them.
QStringList drawnTexts(const gui::ChartPage& page) {
    QStringList texts;
    for (QGraphicsItem* item : page.chart1->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            text && text->isVisible())
            texts << text->toPlainText();
    return texts;
}

QList<qreal> barValues(const gui::ChartPage& page) {
    QList<qreal> values;
    for (int i = 0; i < page.series2Bars->count(); ++i)
        values.append(page.series2Bars->at(i));
    return values;
}

} // namespace

class ChartPageTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void startUpShowsTheNumberDistribution();
    void toolBarButtonsDrawTheirCharts_data();
    void toolBarButtonsDrawTheirCharts();
    void databaseAndTipPageButtonsBringTheChartToTheFront();
    void hoveringABarShowsItsXAndY();
    void captionIsShownAsPlainText();
    void startDatePickerBoundsTheWindow();
    void anEmptyCrossSumChartDrawsItsOwnCaption();
    void screenshotWithARealisticHistory();
};

void ChartPageTest::startUpShowsTheNumberDistribution() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    const gui::ChartPage& page = *f.window->chartPage;
    QCOMPARE(page.series2Bars->count(), 54);
    QCOMPARE(shownCaption(page), QString("Zahlenverteilung     Ziehungen : 5    Quersumme: 117"));
    QCOMPARE(page.series2Bars->at(1), 2.0); // number 2 in weeks 0 and 4
    QVERIFY(f.ui->errors.empty());
}

void ChartPageTest::toolBarButtonsDrawTheirCharts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("bars");
    QTest::addColumn<QList<qreal>>("someValues"); // the first values of `Series2`
    QTest::addColumn<QList<int>>("redBars");
    QTest::addColumn<int>("axisMin");
    QTest::addColumn<int>("axisMax");
    QTest::addColumn<QString>("caption");

    const QList<int> primes{1, 2, 4, 6, 10, 12, 16, 18, 22, 28, 30, 36, 40, 42, 46};
    // The window runs from week 0 (the start date) to week 4 (the end date).
    QTest::newRow("numbers") << "SpeedButton2" << 54 << QList<qreal>{1, 2, 2, 1, 1} << primes << 0
                             << 2 << "Zahlenverteilung     Ziehungen : 5    Quersumme: 117";
    QTest::newRow("overdue") << "SpeedButton19" << 54 << QList<qreal>{5, 1, 1, 5, 5} << primes << 1
                             << 5
                             << "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen "
                                "nicht gezogen?";
    QTest::newRow("sums") << "SpeedButton9" << 119 << QList<qreal>{1, 0, 0} << QList<int>{} << 0
                          << 1 << "Quersummenverteilung    Ziehungen : 4     Quersumme: 142";
    QTest::newRow("pairs") << "SpeedButton1" << 53 << QList<qreal>{0, 1, 0} << QList<int>{} << 0
                           << 1 << "Ziehungen : 4        Paare gefunden :  7";
    QTest::newRow("triples") << "SpeedButton3" << 52 << QList<qreal>{0, 0, 0} << QList<int>{} << 0
                             << 1 << "Ziehungen : 4        Dreier gefunden :  4";
    QTest::newRow("quads") << "SpeedButton12" << 54 << QList<qreal>{0, 0, 0} << QList<int>{} << 0
                           << 1 << "Ziehungen : 4        Vierer gefunden!2";
    QTest::newRow("keys") << "SpeedButton20" << 10 << QList<qreal>{1, 0, 0, 2, 0, 1} << QList<int>{}
                          << 0 << 2 << "Wie oft wurden die einzelnen Sternenzahlen gezogen?";
    QTest::newRow("keys-overdue") << "SpeedButton21" << 10 << QList<qreal>{2, 4, 4, 3, 4, 1}
                                  << QList<int>{} << 1 << 4
                                  << "Welche Sternenzahl wurde am längsten nicht gezogen?";
}

void ChartPageTest::toolBarButtonsDrawTheirCharts() {
    QFETCH(QString, button);
    QFETCH(int, bars);
    QFETCH(QList<qreal>, someValues);
    QFETCH(QList<int>, redBars);
    QFETCH(int, axisMin);
    QFETCH(int, axisMax);
    QFETCH(QString, caption);

    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    f.window->pageControl->setCurrentIndex(static_cast<int>(Page::Chart));
    gui::ChartPage& page = *f.window->chartPage;
    auto* toolButton = page.findChild<QToolButton*>(button);
    QVERIFY(toolButton);
    QTest::mouseClick(toolButton, Qt::LeftButton);

    QVERIFY(f.ui->errors.empty());
    QCOMPARE(f.window->pageControl->currentIndex(), static_cast<int>(Page::Chart));
    QCOMPARE(page.series2Bars->count(), bars);
    QCOMPARE(barValues(page).mid(0, someValues.size()), someValues);
    QCOMPARE(page.series2Bars->selectedBars().size(), redBars.size());
    for (int red : redBars)
        QVERIFY2(page.series2Bars->isBarSelected(red), qPrintable(QString::number(red)));
    QCOMPARE(page.leftAxis->min(), static_cast<qreal>(axisMin));
    QCOMPARE(page.leftAxis->max(), static_cast<qreal>(axisMax));
    QCOMPARE(shownCaption(page), caption);
    const Chart& chart = f.window->workspace().view.chart;
    // The bars are labelled with their X, every one of them or every n-th when they crowd.
    const QStringList labels = page.bottomAxis->categoriesLabels();
    QVERIFY(!labels.isEmpty());
    for (const QString& label : labels) {
        const int x = label.toInt();
        const auto bar = std::find_if(chart.points.begin(), chart.points.end(),
                                      [x](const ChartPoint& p) { return p.x == x; });
        QVERIFY2(bar != chart.points.end(), qPrintable(label));
        QCOMPARE(page.bottomAxis->endValue(label), static_cast<qreal>(bar - chart.points.begin()));
    }
    // Every bar the view shows is a point of the Workspace's chart, in the same order.
    QCOMPARE(static_cast<int>(chart.points.size()), bars);
    for (int i = 0; i < bars; ++i)
        QCOMPARE(page.series2Bars->at(i),
                 static_cast<qreal>(chart.points[static_cast<std::size_t>(i)].y));
    QVERIFY(page.series2->isVisible());
    QVERIFY(!page.series1->isVisible());
    QCOMPARE(page.series1->count(), 0);
    QVERIFY(!page.chart1->chart()->legend()->isVisible());
}

void ChartPageTest::databaseAndTipPageButtonsBringTheChartToTheFront() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    gui::TForm1& w = *f.window;
    const std::pair<QPushButton*, QString> buttons[] = {
        {w.databasePage->button2, "Ziehungen : 4        Paare gefunden :  7"},
        {w.databasePage->button3, "Ziehungen : 4        Dreier gefunden :  4"},
        {w.databasePage->button4, "Ziehungen : 4        Vierer gefunden!2"},
        {w.databasePage->button5,
         "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"},
        {w.databasePage->button8, "Welche Sternenzahl wurde am längsten nicht gezogen?"},
    };
    for (const auto& [button, caption] : buttons) {
        w.pageControl->setCurrentIndex(static_cast<int>(Page::Database));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(w.pageControl->currentIndex(), static_cast<int>(Page::Chart));
        QCOMPARE(shownCaption(*w.chartPage), caption);
    }

    w.pageControl->setCurrentIndex(static_cast<int>(Page::TipOverview));
    QTest::mouseClick(w.tipPage->button6, Qt::LeftButton);
    QCOMPARE(w.pageControl->currentIndex(), static_cast<int>(Page::Chart));
    QCOMPARE(shownCaption(*w.chartPage), QString("Zahlenverteilung des Tippes"));
    QCOMPARE(w.chartPage->series2Bars->count(), 54);
    QVERIFY(f.ui->errors.empty());
}

void ChartPageTest::hoveringABarShowsItsXAndY() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    gui::ChartPage& page = *f.window->chartPage;
    f.window->pageControl->setCurrentIndex(static_cast<int>(Page::Chart));
    QTest::mouseClick(page.speedButton9, Qt::LeftButton); // sums 99..217
    QCOMPARE(page.barText(0), QString("99: 1"));
    QCOMPARE(page.barText(118), QString("217: 1"));
    QCOMPARE(page.barText(119), QString());

    emit page.series2->hovered(true, 1, page.series2Bars);
    QTRY_COMPARE(shownToolTip(), QString("100: 0"));
    emit page.series2->hovered(false, 1, page.series2Bars);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void ChartPageTest::captionIsShownAsPlainText() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    // A language's message file is text from outside; markup in it stays visible text.
    std::vector<std::string> lines = MessageTable::germanLines();
    lines[msg::TipDistribution] = "<b>Tipps</b> & Co";
    f.window->workspace().program.messages.replace(lines);
    QTest::mouseClick(f.window->tipPage->button6, Qt::LeftButton);
    QCOMPARE(shownCaption(*f.window->chartPage), QString("<b>Tipps</b> & Co"));
}

void ChartPageTest::startDatePickerBoundsTheWindow() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    gui::ChartPage& page = *f.window->chartPage;
    // Week 2 as start: inclusive for the number distribution, exclusive for the sums.
    page.dateTimePicker2->setDate(page.dateTimePicker2->date().addDays(14));
    QTest::mouseClick(page.speedButton2, Qt::LeftButton);
    QCOMPARE(shownCaption(page), QString("Zahlenverteilung     Ziehungen : 3    Quersumme: 118"));
    QTest::mouseClick(page.speedButton9, Qt::LeftButton);
    QCOMPARE(shownCaption(page),
             QString("Quersummenverteilung    Ziehungen : 2     Quersumme: 102"));
    QCOMPARE(f.window->workspace().drawWindow.windowStart, static_cast<double>(kFirstDraw + 14));

    // A start after the end: no cross-sum bar, both axis bounds 0.
    page.dateTimePicker2->setDate(page.dateTimePicker2->date().addDays(70));
    QTest::mouseClick(page.speedButton9, Qt::LeftButton);
    QCOMPARE(page.series2Bars->count(), 0);
    QCOMPARE(shownCaption(page), QString("Quersummenverteilung    Ziehungen : 0     Quersumme: 0"));
    QCOMPARE(f.window->workspace().view.chart.axisMaximum, 0);
}

// With the start after the end the cross sums have no bar; the chart must still draw their
// caption, not the one of the chart before.
void ChartPageTest::anEmptyCrossSumChartDrawsItsOwnCaption() {
    WindowFixture f(kFirstDraw + 7 * 4);
    writeDraws(f.folder(), kEdgeDraws);
    f.startAndShow();
    f.window->pageControl->setCurrentIndex(static_cast<int>(Page::Chart));
    gui::ChartPage& page = *f.window->chartPage;
    QVERIFY(drawnTexts(page).contains("Zahlenverteilung     Ziehungen : 5    Quersumme: 117"));
    page.dateTimePicker2->setDate(QDate(2024, 7, 1));
    QTest::mouseClick(page.speedButton9, Qt::LeftButton);
    QCOMPARE(page.series2Bars->count(), 0);
    // The caption `kavanto-cli stats sums` prints for this window.
    const QString sums("Quersummenverteilung    Ziehungen : 0     Quersumme: 0");
    QTRY_VERIFY2(drawnTexts(page).contains(sums), qPrintable(drawnTexts(page).join(" | ")));
    QVERIFY(!drawnTexts(page).join(' ').contains("Zahlenverteilung"));
}

// Writes the chart page over a realistic history to $KAVANTO_SCREENSHOT_DIR/chart-page.png.
void ChartPageTest::screenshotWithARealisticHistory() {
    const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR");
    if (shots.isEmpty())
        QSKIP("KAVANTO_SCREENSHOT_DIR is not set");
    constexpr int kDraws = 1100;
    WindowFixture f(kFirstDraw + 7 * (kDraws - 1) + 3);
    writeDraws(f.folder(), generatedHistory(kDraws));
    f.startAndShow();
    f.window->resize(1000, 640);
    f.window->pageControl->setCurrentIndex(static_cast<int>(Page::Chart));
    QCOMPARE(f.window->chartPage->series2Bars->count(), 54);
    QVERIFY(shownCaption(*f.window->chartPage).contains("Ziehungen : 1100"));
    QTest::qWait(100);
    QVERIFY(f.window->grab().save(QString::fromUtf8(shots) + "/chart-page.png"));
}

QTEST_MAIN(ChartPageTest)
#include "ChartPageTest.moc"
