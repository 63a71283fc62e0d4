// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"
#include "model/Chart.h"

#include <QFont>

#include <optional>

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChartView;
class QToolButton;
class QValueAxis;

namespace kav::gui {

class DatePickerEdit;

// "Diagramm": the chart `Chart1` of the last statistic, the tool bar that runs the
// statistics, and the start date of the analysis window at the tool bar's right end. The
// chart draws the Workspace's chart value and decides nothing itself.
class ChartPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit ChartPage(CommandHost& host, QWidget* parent = nullptr);
    ~ChartPage() override;
    void syncFromWorkspace() override;

    // What hovering the bar at `index` shows: its X and its Y.
    QString barText(int index) const;

    QToolButton* speedButton2;  // number distribution
    QToolButton* speedButton19; // overdue numbers
    QToolButton* speedButton9;  // cross sums
    QToolButton* speedButton1;  // pairs
    QToolButton* speedButton3;  // triples
    QToolButton* speedButton12; // quads
    QToolButton* speedButton20; // key-number frequency
    QToolButton* speedButton21; // key-number overdue
    DatePickerEdit* dateTimePicker2;

    QChartView* chart1;
    QBarSeries* series1; // hidden, never holds points
    QBarSeries* series2;
    QBarSet* series2Bars; // the points of `Series2`; red bars are the selected ones
    // Beside each point, when the chart carries a second bar (the comparison with chance).
    QBarSet* secondBars;
    QValueAxis* leftAxis;
    QCategoryAxis* bottomAxis; // the X of every bar, or of every n-th when they crowd

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* addToolButton(const char* name, const QString& caption, const QString& hint,
                               void (*command)(Workspace&));
    void draw(const Chart& chart);
    void drawSecondBars(const Chart& chart);
    void drawBottomAxis(const Chart& chart);
    void drawLeftAxis(const Chart& chart);
    void labelBars();

    std::optional<Chart> drawn_; // what the chart shows, so an unchanged chart is not redrawn
    int labelStep_ = 0;          // every how many X the bars are labelled; 0: not yet
    // The chart's fonts at the window's designed size; they grow with the page's font.
    QFont designedLabelsFont_;
    QFont designedTitleFont_;
};

} // namespace kav::gui
