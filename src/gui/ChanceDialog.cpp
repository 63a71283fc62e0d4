// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChanceDialog.h"

#include "QtConversions.h"
#include "evaluation/ChanceComparison.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kav::gui {
namespace {

QTableWidget* makeTable(const char* name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Rows as tall as their text, so the twelve classes fit without scrolling.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void setRow(QTableWidget* table, int row, const QString& label, std::int64_t observed,
            double expected) {
    const QString texts[] = {label, QString::number(observed), qs(decimalText(expected, 2))};
    for (int column = 0; column < 3; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

QLabel* makeText(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

ChanceDialog::ChanceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ChanceDialog");
    setWindowTitle("Vergleich mit dem Zufall");
    summary = makeText("ChanceSummary");
    classes = makeTable("ChanceClasses", {"Richtige", "Rückschau", "Zufall (erwartet)"});
    testClasses = makeTable("ChanceTestClasses", {"Testklasse", "Rückschau", "Zufall (erwartet)"});
    test = makeText("ChanceTest");
    verdict = makeText("ChanceVerdict");
    QFont bold = verdict->font();
    bold.setBold(true);
    verdict->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* chart = buttons->addButton("Im &Diagramm zeigen", QDialogButtonBox::ActionRole);
    chart->setObjectName("ChanceChartButton");
    connect(chart, &QPushButton::clicked, this, &ChanceDialog::chartRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(classes, 2);
    layout->addWidget(test);
    layout->addWidget(testClasses, 1);
    layout->addWidget(verdict);
    layout->addWidget(buttons);
    resize(560, 720);
}

void ChanceDialog::showComparison(const ChanceComparison& c, int draws) {
    summary->setText(QString("Die Rückschau hat %1 Reihen in %2 Ziehungen ausgewertet. Daneben "
                             "steht, wie oft gleich viele zufällig gewählte Reihen jede "
                             "Trefferklasse im Mittel erreicht hätten (R: Nº Clave getroffen).")
                         .arg(c.rows)
                         .arg(draws));
    classes->setRowCount(static_cast<int>(c.classes.size()));
    for (std::size_t i = 0; i < c.classes.size(); ++i) {
        const ChanceClass& cell = c.classes[i];
        setRow(classes, static_cast<int>(i), QString::number(cell.hits) + (cell.key ? " + R" : ""),
               cell.observed, cell.expected);
    }
    if (c.test) {
        test->setText(QString("Chi-Quadrat-Anpassungstest über %1 Klassen (zusammengefasst, bis "
                              "jede im Mittel mindestens 5 Reihen erwartet): χ² = %2, "
                              "Freiheitsgrade %3, p = %4")
                          .arg(c.test->classes.size())
                          .arg(qs(decimalText(c.test->chiSquare, 2)))
                          .arg(c.test->degreesOfFreedom)
                          .arg(qs(pValueText(c.test->pValue))));
        testClasses->setRowCount(static_cast<int>(c.test->classes.size()));
        for (std::size_t i = 0; i < c.test->classes.size(); ++i) {
            const ChanceTestClass& m = c.test->classes[i];
            setRow(testClasses, static_cast<int>(i), qs(m.label), m.observed, m.expected);
        }
    } else {
        test->setText("Kein Test: zu wenige Reihen.");
        testClasses->setRowCount(0);
    }
    testClasses->setVisible(c.test.has_value());
    QStringList sentences;
    for (const std::string& sentence : c.verdict)
        sentences << qs(sentence);
    verdict->setText(sentences.join("\n\n"));
}

} // namespace kav::gui
