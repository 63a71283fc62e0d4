// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawUpdateCommands.h"

#include "CommandHost.h"
#include "DatabasePage.h"
#include "TipOverviewPage.h"
#include "commands/CsvTransfer.h"
#include "commands/InternetUpdate.h"
#include "draws/DrawMerge.h"

#include <QAction>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace kav::gui {
namespace {

// The window shows the update's state before a request at most this often.
constexpr qint64 kShowIntervalMs = 30;

} // namespace

DrawUpdateCommands::DrawUpdateCommands(CommandHost& host, QWidget& window, TipOverviewPage& tipPage,
                                       DatabasePage& databasePage, QAction& menuEntry)
    : QObject(&window), host_(host), window_(window), tipPage_(tipPage),
      databasePage_(databasePage), menuEntry_(menuEntry) {
    Workspace& ws = host_.workspace();
    UpdateParameters parameters; // the address comes from the setting
    parameters.beforeRequest = [this](DayCount date) {
        if (!window_.isVisible())
            showProgressWithoutWindow(date);
        // The running state shows at once (stop button, disabled commands); the status
        // panels on a time budget.
        const bool stateShown =
            databasePage_.stopButton->isHidden() != host_.workspace().run.updateStopShown;
        if (stateShown && sinceShown_.isValid() && sinceShown_.elapsed() < kShowIntervalMs)
            return;
        host_.syncFromWorkspace();
        sinceShown_.start();
    };
    ws.installInternetUpdate(http_, std::move(parameters));

    menuEntry_.setEnabled(true);
    connect(&menuEntry_, &QAction::triggered, this, &DrawUpdateCommands::update);
    connect(databasePage_.updateButton, &QPushButton::clicked, this, &DrawUpdateCommands::update);
    connect(tipPage_.updateButton, &QToolButton::clicked, this, &DrawUpdateCommands::update);
    connect(databasePage_.stopButton, &QToolButton::clicked, this, [this] {
        host_.workspace().run.updateStopShown = false;
        databasePage_.stopButton->hide();
    });
    connect(databasePage_.rebuildButton, &QPushButton::clicked, this, [this, &ws] {
        if (!ws.run.running)
            host_.runCommand([&ws] {
                rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
            });
    });
    connect(databasePage_.importButton, &QPushButton::clicked, this, [this, &ws] {
        host_.runCommand(
            [&ws] { importCsvCommand(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); });
    });
    connect(databasePage_.exportButton, &QPushButton::clicked, this,
            [this, &ws] { host_.runCommand([&ws] { exportCsvCommand(ws.program); }); });
}

void DrawUpdateCommands::update() {
    Workspace& ws = host_.workspace();
    // A click queued before the buttons went grey, or one during a generator run (which
    // processes input between attempts): no update starts inside another command.
    if (ws.run.updateRunning || ws.run.running)
        return;
    host_.runCommand([&ws] {
        if (ws.program.internetUpdate)
            ws.program.internetUpdate();
    });
}

void DrawUpdateCommands::showProgressWithoutWindow(DayCount date) {
    const DayCount today = host_.workspace().program.today();
    if (!progress_) {
        firstDate_ = date;
        progress_ = new QProgressDialog(&window_);
        progress_->setWindowTitle("Ziehungsdaten laden");
        progress_->setCancelButtonText("Stopp");
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setRange(0, std::max(1, today - firstDate_));
        connect(progress_, &QProgressDialog::canceled, this,
                [this] { host_.workspace().run.updateStopShown = false; });
        progress_->show();
    }
    progress_->setLabelText("Ziehungsdaten werden vom Ziehungsdienst geladen: " +
                            QString::fromStdString(formatShortDate(date)));
    progress_->setValue(std::clamp(date - firstDate_, 0, progress_->maximum()));
}

void DrawUpdateCommands::syncFromWorkspace() {
    const Workspace& ws = host_.workspace();
    // During an analysis the analysis has locked the window; the writers stay locked.
    const bool idle = !ws.run.updateRunning && !ws.run.analysis.running();
    if (!ws.run.updateRunning && progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    for (QWidget* writer : std::initializer_list<QWidget*>{
             databasePage_.updateButton, databasePage_.rebuildButton, databasePage_.entryButton,
             databasePage_.deleteButton, databasePage_.importButton, tipPage_.updateButton})
        writer->setEnabled(idle);
    menuEntry_.setEnabled(idle);
    databasePage_.stopButton->setVisible(ws.run.updateStopShown);
}

void DrawUpdateCommands::stopForClose() {
    Workspace& ws = host_.workspace();
    if (!ws.run.updateRunning)
        return;
    ws.run.updateStopShown = false;
    http_.cancel();
}

} // namespace kav::gui
