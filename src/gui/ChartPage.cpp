// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPage.h"

#include "DatePickerEdit.h"
#include "PlainText.h"
#include "QtConversions.h"
#include "ScalingStyle.h"
#include "StatisticBindings.h"
#include "WrappingRow.h"
#include "commands/StatisticCommands.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace kav::gui {
namespace {

QColor toQColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

// Room a bar label needs beside its text, in pixels.
constexpr int kLabelPadding = 12;

// A tick distance of 1, 2 or 5 times a power of ten that gives about six ticks.
int tickInterval(int range) {
    int interval = 1;
    for (int power = 1; interval * 6 < range; power *= 10) {
        for (int factor : {1, 2, 5}) {
            interval = factor * power;
            if (interval * 6 >= range)
                break;
        }
    }
    return interval;
}

} // namespace

ChartPage::ChartPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    speedButton2 = addToolButton("SpeedButton2", "▁▃▅", "Verteilung der gezogenen Zahlen",
                                 runStatistic<SpeedButton2Click>);
    speedButton19 = addToolButton("SpeedButton19", "Ausstehende", "", runStatistic<Button5Click>);
    speedButton9 = addToolButton("SpeedButton9", "QS", "", runStatistic<SpeedButton9Click>);
    speedButton1 = addToolButton("SpeedButton1", "2er", "", runStatistic<Button2Click>);
    speedButton3 = addToolButton("SpeedButton3", "3er", "", runStatistic<Button3Click>);
    speedButton12 = addToolButton("SpeedButton12", "4er", "", runStatistic<Button4Click>);
    speedButton20 =
        addToolButton("SpeedButton20", "Nº Clave", "", runShownStatistic<SuperseltenClick>);
    speedButton21 = addToolButton("SpeedButton21", "Nº Clave offen",
                                  "wie lange sind die einzelnen Sternzahlen überfällig",
                                  runStatistic<Button8Click>);
    dateTimePicker2 = new DatePickerEdit("DateTimePicker2");

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    series2 = new QBarSeries;
    series2->setObjectName("Series2");
    series2->setBarWidth(0.8);
    series2Bars = new QBarSet(QString());
    // The series colour is the chart's green; a red point is drawn as a selected bar.
    series2Bars->setColor(toQColor(kGreen));
    series2Bars->setBorderColor(toQColor(kGreen).darker(130));
    series2Bars->setSelectedColor(toQColor(kRed));
    series2->append(series2Bars);
    secondBars = new QBarSet(QString());
    secondBars->setColor(QColor(0xA0, 0xA0, 0xA0));
    secondBars->setBorderColor(QColor(0x80, 0x80, 0x80));
    series1 = new QBarSeries;
    series1->setObjectName("Series1");
    chart->addSeries(series1);
    chart->addSeries(series2);
    series1->setVisible(false);

    leftAxis = new QValueAxis;
    leftAxis->setObjectName("LeftAxis");
    leftAxis->setLabelFormat("%d");
    leftAxis->setTickType(QValueAxis::TicksDynamic);
    leftAxis->setTickAnchor(0);
    bottomAxis = new QCategoryAxis;
    bottomAxis->setObjectName("BottomAxis");
    bottomAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bottomAxis->setGridLineVisible(false);
    chart->addAxis(leftAxis, Qt::AlignLeft);
    chart->addAxis(bottomAxis, Qt::AlignBottom);
    for (QBarSeries* series : {series1, series2}) {
        series->attachAxis(leftAxis);
        series->attachAxis(bottomAxis);
    }

    designedLabelsFont_ = bottomAxis->labelsFont();
    designedTitleFont_ = bottomAxis->titleFont();
    connect(chart, &QChart::plotAreaChanged, this, [this] { labelBars(); });
    chart1 = new QChartView(chart);
    chart1->setObjectName("Chart1");
    chart1->setRenderHint(QPainter::Antialiasing);

    connect(series2, &QBarSeries::hovered, this, [this](bool entered, int index, QBarSet*) {
        if (entered)
            showPlainToolTip(QCursor::pos(), barText(index), chart1);
        else
            QToolTip::hideText();
    });
    connect(dateTimePicker2, &DatePickerEdit::pickedByUser, this,
            [this](DayCount date) { ws().drawWindow.startPicker.set(date); });

    // The statistic buttons wrap onto a second line where a language's captions need more
    // room than the window has; the start date stays at the right end.
    auto* buttons = new WrappingRow;
    for (QToolButton* button : {speedButton2, speedButton19, speedButton9, speedButton1,
                                speedButton3, speedButton12, speedButton20, speedButton21})
        buttons->addWidget(button);
    auto* toolBar = new QHBoxLayout;
    toolBar->addLayout(buttons, 1);
    toolBar->addWidget(dateTimePicker2, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolBar);
    layout->addWidget(chart1, 1);
}

ChartPage::~ChartPage() {
    // A bar set outside the series has no owner.
    if (!series2->barSets().contains(secondBars))
        delete secondBars;
}

QToolButton* ChartPage::addToolButton(const char* name, const QString& caption, const QString& hint,
                                      void (*command)(Workspace&)) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    if (!hint.isEmpty())
        setHint(button, hint);
    connect(button, &QToolButton::clicked, this,
            [this, command] { host().runCommand([this, command] { command(ws()); }); });
    return button;
}

// The chart draws with fonts of its own; they follow the page's font, which the window
// scales with its height.
void ChartPage::changeEvent(QEvent* event) {
    WorkspacePage::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    const qreal scale = ScalingStyle::scaleOf(this);
    const auto scaled = [scale](QFont font) {
        font.setPointSizeF(font.pointSizeF() * scale);
        return font;
    };
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{leftAxis, bottomAxis}) {
        axis->setLabelsFont(scaled(designedLabelsFont_));
        axis->setTitleFont(scaled(designedTitleFont_));
    }
    labelStep_ = 0;
    labelBars();
}

void ChartPage::syncFromWorkspace() {
    dateTimePicker2->show(ws().drawWindow.startPicker);
    if (drawn_ && *drawn_ == ws().view.chart)
        return;
    drawn_ = ws().view.chart;
    draw(*drawn_);
}

QString ChartPage::barText(int index) const {
    if (!drawn_ || index < 0 || static_cast<std::size_t>(index) >= drawn_->points.size())
        return {};
    const auto i = static_cast<std::size_t>(index);
    const ChartPoint& point = drawn_->points[i];
    const QString x =
        i < drawn_->xLabels.size() ? qs(drawn_->xLabels[i]) : QString::number(point.x);
    if (i < drawn_->secondBars.size())
        return QStringLiteral("%1: %2 %3, %4 %5")
            .arg(x)
            .arg(qs(drawn_->pointsName))
            .arg(point.y)
            .arg(qs(drawn_->secondBarsName))
            .arg(QLocale(QLocale::German).toString(drawn_->secondBars[i], 'f', 2));
    return QStringLiteral("%1: %2").arg(x).arg(point.y);
}

void ChartPage::draw(const Chart& chart) {
    series2Bars->deselectAllBars();
    series2Bars->remove(0, series2Bars->count());
    QList<qreal> values;
    QList<int> redBars;
    for (std::size_t i = 0; i < chart.points.size(); ++i) {
        const ChartPoint& point = chart.points[i];
        values.append(point.y);
        if (point.colour == kRed)
            redBars.append(static_cast<int>(i));
    }
    series2Bars->append(values);
    series2Bars->selectBars(redBars);
    drawSecondBars(chart);
    drawBottomAxis(chart);
    drawLeftAxis(chart);
}

// A second bar beside each point, with a legend naming both; statistics have none.
void ChartPage::drawSecondBars(const Chart& chart) {
    const bool shown = !chart.secondBars.empty();
    if (series2->barSets().contains(secondBars) != shown) {
        if (shown)
            series2->append(secondBars);
        else
            series2->take(secondBars);
    }
    secondBars->remove(0, secondBars->count());
    QList<qreal> values;
    for (double value : chart.secondBars)
        values.append(value);
    secondBars->append(values);
    series2Bars->setLabel(shown ? qs(chart.pointsName) : QString());
    secondBars->setLabel(qs(chart.secondBarsName));
    QLegend* legend = chart1->chart()->legend();
    legend->setVisible(shown);
    // Only `Series2`'s sets are named; the hidden `Series1` has none to show.
    for (QLegendMarker* marker : legend->markers(series1))
        marker->setVisible(false);
}

// Bar i stands at position i; the caption is plain text (a language file may hold "<"),
// its runs of blanks kept.
void ChartPage::drawBottomAxis(const Chart& chart) {
    const auto count = static_cast<int>(chart.points.size());
    bottomAxis->setStartValue(-0.5);
    bottomAxis->setRange(-0.5, std::max(count, 1) - 0.5);
    bottomAxis->setTitleText(Qt::convertFromPlainText(qs(chart.caption), Qt::WhiteSpacePre));
    labelStep_ = 0;
    labelBars();
}

// Labels the bars with their X: every bar when the labels fit, otherwise every second,
// fifth, tenth ... X, so that no label is cut short. Runs again when the plot area
// changes its size.
void ChartPage::labelBars() {
    if (!drawn_)
        return;
    const std::vector<ChartPoint>& points = drawn_->points;
    const QFontMetrics metrics(bottomAxis->labelsFont());
    int widest = 0;
    for (const ChartPoint& point : points)
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(point.x)));
    // Named bars are few and all labelled.
    if (!drawn_->xLabels.empty())
        widest = 0;
    const qreal barPixels =
        points.empty() ? 0.0
                       : chart1->chart()->plotArea().width() / static_cast<qreal>(points.size());
    int step = 1;
    for (int candidate : {1, 2, 5, 10, 20, 50, 100}) {
        step = candidate;
        if (barPixels * candidate >= widest + kLabelPadding)
            break;
    }
    if (step == labelStep_)
        return;
    labelStep_ = step;
    for (const QString& label : bottomAxis->categoriesLabels())
        bottomAxis->remove(label);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i < drawn_->xLabels.size())
            bottomAxis->append(qs(drawn_->xLabels[i]), static_cast<qreal>(i));
        else if (points[i].x % step == 0)
            bottomAxis->append(QString::number(points[i].x), static_cast<qreal>(i));
    }
    // Qt Charts lays out an axis without categories not at all, and then keeps drawing the
    // title of the chart before; a blank category keeps the caption current.
    if (points.empty())
        bottomAxis->append(QStringLiteral(" "), 0.5);
}

// The bounds the statistic computed; an automatic axis shows 0 up to the largest Y. A range
// of one value is widened upward, so that the axis stays drawable.
void ChartPage::drawLeftAxis(const Chart& chart) {
    const int minimum = chart.axisMinimum;
    const int maximum = std::max(chart.axisMaximum, minimum + 1);
    leftAxis->setRange(minimum, maximum);
    leftAxis->setTickInterval(tickInterval(maximum - minimum));
}

} // namespace kav::gui
