// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtHttpClient.h"
#include "base/DayCount.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QAction;
class QProgressDialog;
class QWidget;

namespace kav::gui {

class CommandHost;
class DatabasePage;
class TipOverviewPage;

// The window's side of the draw file's bulk commands: the internet update (the two update
// buttons and "&Ziehungsdaten laden"), its stop button, "Datenbank neu anlegen" and the CSV
// import and export. Owns the HTTP client the update uses and wires it into the
// Workspace, so the first start and the rebuild run the same update.
class DrawUpdateCommands final : public QObject {
    Q_OBJECT
public:
    DrawUpdateCommands(CommandHost& host, QWidget& window, TipOverviewPage& tipPage,
                       DatabasePage& databasePage, QAction& menuEntry);

    // While the update runs: its commands and the draw file's other writers disabled, the
    // stop button shown until it is clicked.
    void syncFromWorkspace();
    // The window closes: the update ends now, the request in progress is cancelled.
    void stopForClose();

private:
    void update();
    // Before the window shows (the first start) the update's progress and its stop button
    // are a progress dialog of their own.
    void showProgressWithoutWindow(DayCount date);

    CommandHost& host_;
    QWidget& window_;
    TipOverviewPage& tipPage_;
    DatabasePage& databasePage_;
    QAction& menuEntry_;
    platform::QtHttpClient http_;
    QElapsedTimer sinceShown_;
    QPointer<QProgressDialog> progress_;
    DayCount firstDate_ = 0;
};

} // namespace kav::gui
