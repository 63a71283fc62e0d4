// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kav::gui {

class DatePickerEdit;

// "Datenbank": the current draw, the end date of the analysis window, draw maintenance,
// statistic buttons and the historical analyses.
class DatabasePage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit DatabasePage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    QLabel* drawCaption;
    QToolButton* stopButton; // "Stoppt das Einlesen", shown while the update runs
    DatePickerEdit* dateTimePicker1;
    QToolButton* speedButton5; // evaluation for the draw of the chosen date
    QPushButton* updateButton; // "&Datenbank aktualisieren"
    QPushButton* rebuildButton;
    QPushButton* deleteButton; // "Löschen"
    QPushButton* entryButton;  // "Eingeben"
    QPushButton* importButton; // CSV import of draws
    QPushButton* exportButton; // CSV export of the draw file
    QPushButton* button2;      // pairs
    QPushButton* button3;      // triples
    QPushButton* button4;      // quads
    QPushButton* button5;      // overdue numbers
    QPushButton* button8;      // key-number overdue
    QPushButton* bitBtn9;      // parameter backtest
    QPushButton* bitBtn19;     // draw history analysis
};

} // namespace kav::gui
