// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabasePage.h"

#include "DatePickerEdit.h"
#include "LanguageComponents.h"
#include "QtConversions.h"
#include "StatisticBindings.h"
#include "commands/DrawEditing.h"
#include "commands/DrawSelection.h"
#include "commands/StatisticCommands.h"
#include "draws/DrawMaintenance.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kav::gui {
DatabasePage::DatabasePage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    drawCaption = new QLabel;
    drawCaption->setObjectName("DrawCaption");
    markProgramText(drawCaption);
    drawCaption->setTextFormat(Qt::PlainText);
    QFont captionFont = drawCaption->font();
    captionFont.setBold(true);
    drawCaption->setFont(captionFont);

    stopButton = makeButton<QToolButton>("StopButton", "Stopp", "Stoppt das Einlesen");
    stopButton->hide();

    dateTimePicker1 = new DatePickerEdit("DateTimePicker1");
    setHint(dateTimePicker1, "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach "
                             "werden nicht berücksichtigt");
    speedButton5 = new QToolButton;
    speedButton5->setObjectName("SpeedButton5");
    speedButton5->setText("✓");
    setHint(speedButton5, "Bewertung des Tipps für die Ziehung des gewählten Datums");

    updateButton = makeButton<QPushButton>("UpdateButton", "&Datenbank aktualisieren", "");
    rebuildButton = makeButton<QPushButton>("RebuildButton", "Datenbank neu anlegen", "");
    deleteButton = makeButton<QPushButton>("DeleteButton", "Löschen",
                                           "Löschen der aktuell angezeigten Ziehung");
    entryButton =
        makeButton<QPushButton>("EntryButton", "Eingeben", "manuelle eingaben der Ziehungsdaten.");
    importButton = makeButton<QPushButton>("ImportButton", "CSV &importieren...",
                                           "Ziehungen aus einer CSV-Datei übernehmen");
    exportButton = makeButton<QPushButton>("ExportButton", "CSV e&xportieren...",
                                           "Alle Ziehungen in eine CSV-Datei schreiben");
    button2 = makeButton<QPushButton>("Button2", "Paare suchen",
                                      "Erzeugen der Grafik für die Paarbildung der Zahlen");
    button3 =
        makeButton<QPushButton>("Button3", "Dreier suchen",
                                "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen");
    button4 =
        makeButton<QPushButton>("Button4", "Vierer suchen",
                                "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen");
    button5 = makeButton<QPushButton>("Button5", "Ausstehende",
                                      "Erzeugt die Grafik für die Ausstehenden Zahlen");
    button8 = makeButton<QPushButton>("Button8", "Sternzahl ausstehende",
                                      "Welche Sternzahl ist am länsten überfällig");
    bitBtn9 =
        makeButton<QPushButton>("BitBtn9",
                                "Historische Analyse der Parameter beginnenden mit oben "
                                "gewähltem Datum",
                                "Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    bitBtn19 = makeButton<QPushButton>(
        "BitBtn19", "Historische Analyse beginnend mit dem oben gewähltem Datum",
        "Berechnung und Erfolg beginnend mit dem oben gewählten Datum");

    auto* top = new QHBoxLayout;
    top->addWidget(drawCaption, 1);
    top->addWidget(stopButton);
    top->addWidget(dateTimePicker1);
    top->addWidget(speedButton5);

    auto* maintenance = new QGroupBox("Ziehungsdaten");
    maintenance->setObjectName("DrawDataGroup");
    auto* maintenanceLayout = new QGridLayout(maintenance);
    maintenanceLayout->addWidget(updateButton, 0, 0);
    maintenanceLayout->addWidget(rebuildButton, 0, 1);
    maintenanceLayout->addWidget(entryButton, 1, 0);
    maintenanceLayout->addWidget(deleteButton, 1, 1);
    maintenanceLayout->addWidget(importButton, 2, 0);
    maintenanceLayout->addWidget(exportButton, 2, 1);

    auto* statistics = new QGroupBox("Statistik");
    statistics->setObjectName("StatisticsGroup");
    auto* statisticsLayout = new QGridLayout(statistics);
    statisticsLayout->addWidget(button2, 0, 0);
    statisticsLayout->addWidget(button3, 0, 1);
    statisticsLayout->addWidget(button4, 0, 2);
    statisticsLayout->addWidget(button5, 1, 0);
    statisticsLayout->addWidget(button8, 1, 1);

    auto* analyses = new QGroupBox("Historische Analysen");
    analyses->setObjectName("AnalysesGroup");
    auto* analysesLayout = new QVBoxLayout(analyses);
    auto* backtestLabel =
        new QLabel("Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet");
    backtestLabel->setObjectName("BacktestLabel");
    backtestLabel->setWordWrap(true);
    analysesLayout->addWidget(backtestLabel);
    analysesLayout->addWidget(bitBtn9);
    auto* historyLabel = new QLabel("War eine Ziehung schonmal ein 4er oder 5er?");
    historyLabel->setObjectName("HistoryLabel");
    analysesLayout->addWidget(historyLabel);
    analysesLayout->addWidget(bitBtn19);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(maintenance);
    layout->addWidget(statistics);
    layout->addWidget(analyses);
    layout->addStretch(1);

    connect(dateTimePicker1, &DatePickerEdit::pickedByUser, this,
            [this](DayCount date) { ws().drawWindow.endPicker.set(date); });
    connect(speedButton5, &QToolButton::clicked, this, [this] {
        host().runCommand(
            [this] { SpeedButton5Click(ws().program, ws().ticket, ws().drawWindow, ws().view); });
    });
    const std::pair<QPushButton*, void (*)(Workspace&)> statisticButtons[] = {
        {button2, runStatistic<Button2Click>}, {button3, runStatistic<Button3Click>},
        {button4, runStatistic<Button4Click>}, {button5, runStatistic<Button5Click>},
        {button8, runStatistic<Button8Click>},
    };
    for (const auto& [button, run] : statisticButtons)
        connect(button, &QPushButton::clicked, this,
                [this, run] { host().runCommand([this, run] { run(ws()); }); });
    connect(entryButton, &QPushButton::clicked, this, [this] {
        host().runCommand(
            [this] { enterDraw(ws().program, ws().ticket, ws().drawWindow, ws().run, ws().view); });
    });
    connect(deleteButton, &QPushButton::clicked, this, [this] {
        host().runCommand([this] {
            deleteCurrentDraw(ws().program, ws().ticket, ws().drawWindow, ws().run, ws().view);
        });
    });
}

void DatabasePage::syncFromWorkspace() {
    drawCaption->setText(qs(ws().view.drawCaption));
    dateTimePicker1->show(ws().drawWindow.endPicker);
}

} // namespace kav::gui
