// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

namespace kav {
struct ChanceComparison;
}

namespace kav::gui {

// "Vergleich mit dem Zufall": after a backtest, per hit class the rows the rules got beside
// the rows uniformly random play would get on average, the chi-square test over the
// merged classes and a plain verdict. Not modal, so the report and the chart stay at hand.
class ChanceDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ChanceDialog(QWidget* parent = nullptr);

    void showComparison(const ChanceComparison& comparison, int draws);

    QLabel* summary;
    QTableWidget* classes;     // 12 rows: hits 0..5 without the key, then with it
    QTableWidget* testClasses; // the merged classes of the test
    QLabel* test;              // chi-square, degrees of freedom, p
    QLabel* verdict;

signals:
    // "Im Diagramm zeigen".
    void chartRequested();
};

} // namespace kav::gui
