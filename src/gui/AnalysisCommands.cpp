// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisCommands.h"

#include "ChanceDialog.h"
#include "ChartPage.h"
#include "DatabasePage.h"
#include "LottoZahlen.h"
#include "QtConversions.h"
#include "TipOverviewPage.h"
#include "commands/AnalysisControl.h"
#include "commands/Backtest.h"
#include "commands/DrawHistoryAnalysis.h"
#include "commands/TipSearch.h"
#include "evaluation/ChanceComparison.h"
#include "model/Chart.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace kav::gui {

AnalysisCommands::AnalysisCommands(TForm1& window) : QObject(&window), window_(window) {
    progressBar = new QProgressBar;
    progressBar->setObjectName("AnalysisProgress");
    progressBar->setMaximumWidth(220);
    progressBar->setFormat("%v / %m");
    progressBar->setToolTip("Fortschritt der Analyse (Woche von Wochen); Esc bricht ab");
    progressBar->hide();
    stopButton = makeButton<QToolButton>(
        "AnalysisStop", "Abbrechen", "Analyse abbrechen, es wird kein Bericht geschrieben (Esc)");
    stopButton->hide();
    window_.statusBar()->addPermanentWidget(progressBar);
    window_.statusBar()->addPermanentWidget(stopButton);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    escape_->setEnabled(false);

    Workspace& ws = window_.workspace();
    const auto stop = [this, &ws] {
        requestAnalysisStop(ws.run, ws.view);
        syncFromWorkspace();
    };
    connect(stopButton, &QToolButton::clicked, this, stop);
    connect(escape_, &QShortcut::activated, this, stop);

    window_.tipPage->speedButton4->setEnabled(true);
    connect(window_.tipPage->speedButton4, &QToolButton::clicked, this, [this, &ws] {
        window_.runCommand([&ws] {
            SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);
        });
    });
    DatabasePage* database = window_.databasePage;
    for (QPushButton* button : {database->bitBtn9, database->bitBtn19})
        button->setEnabled(true);
    connect(database->bitBtn9, &QPushButton::clicked, this,
            [this] { runAnalysis(AnalysisRun::Kind::Backtest); });
    connect(database->bitBtn19, &QPushButton::clicked, this,
            [this] { runAnalysis(AnalysisRun::Kind::DrawHistory); });
    window_.installEventFilter(this);
}

ChanceDialog* AnalysisCommands::chanceDialog() const {
    return chanceDialog_;
}

QPushButton* AnalysisCommands::buttonOf(AnalysisRun::Kind kind) const {
    return kind == AnalysisRun::Kind::Backtest ? window_.databasePage->bitBtn9
                                               : window_.databasePage->bitBtn19;
}

void AnalysisCommands::runAnalysis(AnalysisRun::Kind kind) {
    Workspace& ws = window_.workspace();
    // Pressed again while it runs, the start button is the stop button.
    if (ws.run.analysis.running()) {
        requestAnalysisStop(ws.run, ws.view);
        syncFromWorkspace();
        return;
    }
    if (kind == AnalysisRun::Kind::Backtest) {
        BacktestResult result;
        window_.runCommand([&] {
            result =
                BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
        });
        if (result.completed)
            showChance(compareWithChance(result.classes), result.draws);
    } else {
        window_.runCommand(
            [&] { BitBtn19Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); });
    }
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        QTimer::singleShot(0, &window_, &QWidget::close);
    }
}

void AnalysisCommands::showChance(const ChanceComparison& comparison, int draws) {
    Workspace& ws = window_.workspace();
    ws.view.chart = chanceChart(comparison);
    window_.syncFromWorkspace();
    if (!chanceDialog_) {
        chanceDialog_ = new ChanceDialog(&window_);
        connect(chanceDialog_, &ChanceDialog::chartRequested, this, [this] {
            window_.workspace().view.activePage = Page::Chart;
            window_.syncFromWorkspace();
        });
    }
    chanceDialog_->showComparison(comparison, draws);
    chanceDialog_->show();
    chanceDialog_->raise();
}

void AnalysisCommands::syncFromWorkspace() {
    const AnalysisRun& run = window_.workspace().run.analysis;
    if (run.kind != locked_) {
        if (locked_ != AnalysisRun::Kind::None)
            unlock();
        if (run.running())
            lock(run.kind);
    }
    if (!run.running())
        return;
    progressBar->setMaximum(run.total);
    progressBar->setValue(run.done);
    const bool stopping = run.stopRequested;
    buttonOf(run.kind)->setEnabled(!stopping);
    stopButton->setEnabled(!stopping);
}

// Everything that could start a command or change an option is disabled; the tabs stay,
// so the user can watch the sheet, the chart and the draw while the analysis runs. Only
// what was enabled is switched off, and only that comes back.
void AnalysisCommands::lock(AnalysisRun::Kind kind) {
    locked_ = kind;
    QPushButton* running = buttonOf(kind);
    idleCaption_ = running->text();
    running->setText(qs(window_.workspace().program.messages.line(msg::Stop)));

    QList<QWidget*> toDisable;
    QWidget* analyses = running->parentWidget();
    for (int i = 0; i < window_.pageControl->count(); ++i) {
        QWidget* page = window_.pageControl->widget(i);
        if (page != window_.databasePage) {
            toDisable.append(page);
            continue;
        }
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != analyses)
                toDisable.append(child);
        for (QWidget* child : analyses->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != running)
                toDisable.append(child);
    }
    disabledWidgets_.clear();
    for (QWidget* widget : toDisable) {
        if (widget->isEnabled()) {
            widget->setEnabled(false);
            disabledWidgets_.append(widget);
        }
    }
    disabledActions_.clear();
    for (QAction* action : window_.menuBar()->findChildren<QAction*>()) {
        if (action->isEnabled()) {
            action->setEnabled(false);
            disabledActions_.append(action);
        }
    }
    progressBar->setValue(0);
    progressBar->show();
    stopButton->show();
    escape_->setEnabled(true);
}

void AnalysisCommands::unlock() {
    QPushButton* running = buttonOf(locked_);
    running->setText(idleCaption_);
    running->setEnabled(true);
    for (const QPointer<QWidget>& widget : disabledWidgets_)
        if (widget)
            widget->setEnabled(true);
    disabledWidgets_.clear();
    for (const QPointer<QAction>& action : disabledActions_)
        if (action)
            action->setEnabled(true);
    disabledActions_.clear();
    progressBar->hide();
    stopButton->hide();
    stopButton->setEnabled(true);
    escape_->setEnabled(false);
    locked_ = AnalysisRun::Kind::None;
}

bool AnalysisCommands::eventFilter(QObject* watched, QEvent* event) {
    // Closing the window during an analysis stops it; the window closes once it ended.
    if (watched == &window_ && event->type() == QEvent::Close &&
        window_.workspace().run.analysis.running()) {
        closeAfterRun_ = true;
        requestAnalysisStop(window_.workspace().run, window_.workspace().view);
        syncFromWorkspace();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kav::gui
