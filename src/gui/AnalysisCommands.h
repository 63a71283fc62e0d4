// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AnalysisRun.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;
class QProgressBar;
class QPushButton;
class QShortcut;
class QToolButton;

namespace kav {
struct ChanceComparison;
}

namespace kav::gui {

class ChanceDialog;
class TForm1;

// The search of the sheet in the draw database (`SpeedButton4`) and the two historical
// analyses (`BitBtn9`, `BitBtn19`). While an analysis runs the window stays responsive
// but takes no other command: the pages and the menu are disabled except the tabs and the
// analysis' own button, which reads "Stoppen"; Esc, that button and the stop button in the
// status bar end the analysis after the week in progress, without a report. The status
// bar shows a progress bar. Closing the window stops the analysis first. After a
// backtest the comparison with chance shows in a dialog and on the "Diagramm" page.
class AnalysisCommands final : public QObject {
    Q_OBJECT
public:
    explicit AnalysisCommands(TForm1& window);

    // Called with every showing of the Workspace (several times a second during a run).
    void syncFromWorkspace();

    QProgressBar* progressBar;
    QToolButton* stopButton;
    // The dialog of the last backtest's comparison with chance; null before the first.
    ChanceDialog* chanceDialog() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runAnalysis(AnalysisRun::Kind kind);
    void showChance(const ChanceComparison& comparison, int draws);
    void lock(AnalysisRun::Kind kind);
    void unlock();
    QPushButton* buttonOf(AnalysisRun::Kind kind) const;

    TForm1& window_;
    QShortcut* escape_;
    QPointer<ChanceDialog> chanceDialog_;
    AnalysisRun::Kind locked_ = AnalysisRun::Kind::None;
    QString idleCaption_;
    QList<QPointer<QWidget>> disabledWidgets_;
    QList<QPointer<QAction>> disabledActions_;
    bool closeAfterRun_ = false;
};

} // namespace kav::gui
