// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoZahlen.h"

#include "AnalysisCommands.h"
#include "CalculationPage.h"
#include "ChartPage.h"
#include "DatabasePage.h"
#include "DrawUpdateCommands.h"
#include "InternetPage.h"
#include "PlainText.h"
#include "ProgramLocations.h"
#include "QtConversions.h"
#include "QtLanguage.h"
#include "ScalingStyle.h"
#include "Scriptwahl.h"
#include "StatusPanel.h"
#include "SubmissionBackend.h"
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "Zahlenwahl.h"
#include "app/LanguageLoad.h"
#include "app/SettingsLoad.h"
#include "app/SettingsStore.h"
#include "app/StartUp.h"
#include "commands/CommandGuard.h"
#include "commands/LuckyNumber.h"
#include "commands/RowEditing.h"
#include "commands/Submission.h"
#include "commands/TipCalculation.h"
#include "generator/RowEditor.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

namespace kav::gui {
namespace {

constexpr int kDesignFontPixels = 13;
constexpr QSize kDesignClientSize{536, 447};

} // namespace

TForm1::TForm1(StartParameters parameters, QWidget* parent)
    : QMainWindow(parent), interaction_(std::move(parameters.interaction)),
      settingsFile_(std::move(parameters.settingsFile)) {
    if (!interaction_)
        interaction_ = std::make_unique<GuiInteraction>();
    ws_ = std::make_unique<Workspace>(std::move(parameters.programFolder), *interaction_);
    ws_->program.todayProvider = std::move(parameters.today);
    interaction_->setProgramFolder(ws_->program.folder);
    interaction_->attach(this, [this] { syncFromWorkspace(); });
    installScalingStyle();

    setObjectName("Form1");
    setWindowTitle("Velmors Quotenfuchs  für Kavanto");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);

    pageControl = new QTabWidget;
    pageControl->setObjectName("PageControl1");
    tipPage = new TipOverviewPage(*this);
    calculationPage = new CalculationPage(*this);
    chartPage = new ChartPage(*this);
    databasePage = new DatabasePage(*this);
    internetPage = new InternetPage(*this);
    const std::pair<WorkspacePage*, const char*> pages[] = {{tipPage, "Tipp-Übersicht"},
                                                            {calculationPage, "Berechnung"},
                                                            {chartPage, "Diagramm"},
                                                            {databasePage, "Datenbank"},
                                                            {internetPage, "Internet-Optionen"}};
    const char* sheetNames[] = {"TabSheet1", "TabSheet2", "TabSheet5", "TabSheet3", "TabSheet4"};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        pages[i].first->setObjectName(sheetNames[i]);
        pageControl->addTab(pages[i].first, QString::fromUtf8(pages[i].second));
        pages_.push_back(pages[i].first);
    }
    // A window too narrow for contents scaled with its height scrolls them sideways instead
    // of squeezing them over each other.
    pageScroller = new QScrollArea;
    pageScroller->setObjectName("PageScroller");
    pageScroller->setFrameShape(QFrame::NoFrame);
    pageScroller->setFocusPolicy(Qt::NoFocus); // Tab goes from control to control only
    pageScroller->setWidgetResizable(true);
    pageScroller->setWidget(pageControl);
    setCentralWidget(pageScroller);
    connect(pageControl, &QTabWidget::currentChanged, this,
            [this](int index) { ws_->view.activePage = static_cast<Page>(index); });
    buildMenu();
    buildStatusBar();
    buildPageKeys();
    // "Tipps berechnen": the start button and the menu entry run the same command; pressed
    // again during a run it stops the run.
    const auto calculate = [this] {
        runCommand([this] {
            Label28Click(ws_->program, ws_->options, ws_->ticket, ws_->drawWindow, ws_->run,
                         ws_->view);
        });
    };
    tipPage->bitBtn4->setEnabled(true);
    connect(tipPage->bitBtn4, &QPushButton::clicked, this, calculate);
    actionBerechnen->setEnabled(true);
    connect(actionBerechnen, &QAction::triggered, this, calculate);
    analysisCommands = new AnalysisCommands(*this);
    drawUpdateCommands_ =
        new DrawUpdateCommands(*this, *this, *tipPage, *databasePage, *actionZiehungsdatenLaden);
    // The online submission: the button and the menu entry run the same command.
    vksForm = new TVKSForm(*interaction_, this);
    submission_ = std::make_unique<platform::SubmissionBackend>(settingsFile_,
                                                                std::move(parameters.secretStore));
    const auto submit = [this] {
        runCommand([this] {
            OnlineTippClick(ws_->program, ws_->options, ws_->ticket, ws_->drawWindow,
                            submission_->services());
        });
    };
    connect(tipPage->submitButton, &QPushButton::clicked, this, submit);
    actionAbgeben->setEnabled(true);
    connect(actionAbgeben, &QAction::triggered, this, submit);
    qApp->installEventFilter(this);
    // Labels and tooltips show texts from outside as they are, never as markup.
    PlainTextGuard::install();
    // The built-in texts are German; Qt's own texts and the calendars follow them.
    applyQtLanguage(QStringLiteral("de"));

    fixMinimumSize();
    // The designed width holds every row of the pages on one line with the German texts;
    // the scroll area's own size hint is capped and the rows of buttons may wrap, so the
    // pages' size hint gives it.
    QSize designed = sizeHint().expandedTo(kDesignClientSize);
    designed.setWidth(std::max(designed.width(), pageControl->sizeHint().width()));
    resize(designed);
    rememberedHeight_ = designed.height();

    OpenedSettingsStore store =
        openSettingsStore(settingsFile_, ws_->program.today(), *interaction_);
    settingsWritable_ = store.writable;
    createMainWindowState(*ws_, store.values, parameters.randomSeed);
    if (ws_->windowHeight > 0)
        resize(ws_->windowWidth > 0 ? ws_->windowWidth : width(), ws_->windowHeight);
    numberListDialog = new TForm6(*interaction_, this);
    interaction_->setNumberListDialog(numberListDialog);
    connectNumberListCommands();
    // The language load walks the windows in the order the program made them: the main
    // window, the number list dialog, the click-script dialog.
    languageWalk_ = walkComponents({this, numberListDialog, vksForm});
    if (const Language* stored =
            applyStoredLanguage(*ws_, languageComponents(languageWalk_, *ws_))) {
        applyQtLanguage(QString::fromUtf8(stored->code));
        syncFromWorkspace();
        fixMinimumSize();
    }
    syncFromWorkspace();
}

void TForm1::chooseLanguage(int number) {
    const Language* language = languageByNumber(number);
    if (!language)
        return;
    runGuarded(ws_->program.ui, [&] {
        kav::chooseLanguage(*ws_, *language, languageComponents(languageWalk_, *ws_));
    });
    applyQtLanguage(QString::fromUtf8(language->code));
    syncFromWorkspace(); // shows the new texts the Workspace holds, so the sizes follow them
    fixMinimumSize();
}

// The row editor buttons `Tipp1Edit`..`Tipp12Edit` and the lucky number `SpeedButton13`.
void TForm1::connectNumberListCommands() {
    for (int r = 0; r < TipSheet::kRows; ++r) {
        QToolButton* editor = tipPage->sheet->rows[static_cast<std::size_t>(r)].editor;
        editor->setEnabled(true);
        connect(editor, &QToolButton::clicked, this, [this, r] {
            runCommand([this, r] { TippEditClick(ws_->program, ws_->ticket, ws_->run, r); });
        });
    }
    tipPage->speedButton13->setEnabled(true);
    connect(tipPage->speedButton13, &QToolButton::clicked, this, [this] {
        runCommand(
            [this] { SpeedButton13Click(ws_->program, ws_->run, ws_->view, platform::clockSeed); });
    });
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::buildMenu() {
    actionZiehungsdatenLaden = menuBar()->addAction("&Ziehungsdaten laden");
    actionZiehungsdatenLaden->setObjectName("ZiehungsdatenLaden1");
    actionZiehungsdatenLaden->setShortcut(QKeySequence("Ctrl+A"));
    actionBerechnen = menuBar()->addAction("&Berechnen");
    actionBerechnen->setObjectName("Berechnen1");
    actionBerechnen->setShortcut(QKeySequence("Ctrl+R"));
    menuSprache = menuBar()->addMenu("Sprache/&Language");
    menuSprache->setObjectName("Sprache");
    menuSprache->menuAction()->setObjectName("Sprache1");
    for (const Language& language : languages()) {
        QAction* entry = menuSprache->addAction(QString::fromUtf8(language.caption));
        entry->setObjectName(language.menuItemName);
        entry->setCheckable(true);
        entry->setData(language.number);
        connect(entry, &QAction::triggered, this,
                [this, number = language.number] { chooseLanguage(number); });
        languageActions.push_back(entry);
    }
    actionAbgeben = menuBar()->addAction("&Abgeben");
    actionAbgeben->setObjectName("Abgeben1");
    actionAbgeben->setShortcut(QKeySequence("Ctrl+G"));
    actionSchliessen = menuBar()->addAction("&Schließen");
    actionSchliessen->setObjectName("Schliessen1");
    connect(actionSchliessen, &QAction::triggered, this, &QWidget::close);
    // Commands that later parts of the program provide stay visible but disabled.
    for (QAction* later : {actionZiehungsdatenLaden, actionBerechnen, actionAbgeben})
        later->setEnabled(false);
}

void TForm1::buildStatusBar() {
    statusPanel0 = new QLabel;
    statusPanel0->setObjectName("StatusPanel0");
    markProgramText(statusPanel0);
    statusPanel0->setFixedWidth(150);
    statusPanel0->setTextFormat(Qt::PlainText);
    statusPanel1 = new StatusPanel;
    statusPanel1->setObjectName("StatusPanel1");
    markProgramText(statusPanel1);
    statusBar()->addWidget(statusPanel0);
    statusBar()->addWidget(statusPanel1, 1);
}

// Ctrl+PageDown / Ctrl+PageUp, as in browsers: the next / previous page, round at the ends.
// With the focus on the pages of "Berechnung" they walk those pages first.
void TForm1::buildPageKeys() {
    actionNextPage = new QAction(this);
    actionNextPage->setObjectName("ActionNextPage");
    actionNextPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    actionPreviousPage = new QAction(this);
    actionPreviousPage->setObjectName("ActionPreviousPage");
    actionPreviousPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    for (QAction* action : {actionNextPage, actionPreviousPage})
        addAction(action);
    connect(actionNextPage, &QAction::triggered, this, [this] { stepPage(1); });
    connect(actionPreviousPage, &QAction::triggered, this, [this] { stepPage(-1); });
}

// Past the first or last inner page the walk goes on to the main page before or after, so
// the keys never get stuck inside "Berechnung".
void TForm1::stepPage(int step) {
    QTabWidget* inner = calculationPage->innerPages;
    const QWidget* focus = QApplication::focusWidget();
    if (pageControl->currentWidget() == calculationPage && focus && inner->isAncestorOf(focus)) {
        const int next = inner->currentIndex() + step;
        if (next >= 0 && next < inner->count()) {
            inner->setCurrentIndex(next);
            return;
        }
    }
    const int count = pageControl->count();
    pageControl->setCurrentIndex((pageControl->currentIndex() + step + count) % count);
}

void TForm1::startUp() {
    kav::startUp(*ws_);
    syncFromWorkspace();
}

void TForm1::runCommand(const std::function<void()>& command) {
    runGuarded(ws_->program.ui, command);
    syncFromWorkspace();
}

void TForm1::syncFromWorkspace() {
    for (WorkspacePage* page : pages_)
        page->syncFromWorkspace();
    statusPanel0->setText(qs(ws_->view.status.panel0));
    statusPanel1->setText(qs(ws_->view.status.panel1));
    if (analysisCommands)
        analysisCommands->syncFromWorkspace();
    drawUpdateCommands_->syncFromWorkspace();
    // Before any language is chosen the German design texts are shown: Deutsch is ticked.
    const int shownLanguage = languageByNumber(ws_->languageNumber) ? ws_->languageNumber : 1;
    for (QAction* entry : languageActions)
        entry->setChecked(entry->data().toInt() == shownLanguage);
    showActivePage();
}

// The tab bar and the page below it must always agree. A click on a tab moves the tab bar
// first and then hides the old page; a tip cell losing the focus there evaluates the sheet
// and shows the Workspace, which still names the old page. Moving the page control in that
// moment would leave the tab bar on one page and the page stack on another, so the page is
// shown once the switch has finished (the Workspace then names the new page).
void TForm1::showActivePage() {
    const bool switching =
        pageControl->currentWidget() != pageControl->widget(pageControl->currentIndex());
    if (switching) {
        if (!pageShowQueued_) {
            pageShowQueued_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    pageShowQueued_ = false;
                    showActivePage();
                },
                Qt::QueuedConnection);
        }
        return;
    }
    const int page = static_cast<int>(ws_->view.activePage);
    if (pageControl->currentIndex() != page)
        pageControl->setCurrentIndex(page);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    onFirstShow(*ws_);
    syncFromWorkspace();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (height() != rememberedHeight_ && rememberedHeight_ > 0)
        scaleContents(height());
}

// The page control and everything on it grow and shrink with the window's height: the
// layouts place and size the controls, so scaling the font scales the whole contents (the
// scaling style scales what a style draws at a fixed size along with it).
void TForm1::scaleContents(int newHeight) {
    contentScale_ *= static_cast<double>(newHeight) / rememberedHeight_;
    rememberedHeight_ = newHeight;
    QFont scaled = pageControl->font();
    scaled.setPixelSize(
        std::max(6, static_cast<int>(std::lround(kDesignFontPixels * contentScale_))));
    pageControl->setFont(scaled);
}

// The window's minimum is what its contents need at the designed font, taken once the pages
// are built (and again whenever their texts change): a minimum that grew with the scaled
// font would keep a window once made larger from going back to its designed size (and that
// size would be saved). Layouts of hidden pages keep their sizes until shown, so every
// layout is asked afresh.
void TForm1::fixMinimumSize() {
    for (QLayout* layout : pageControl->findChildren<QLayout*>())
        layout->invalidate();
    const QSize needed = pageControl->minimumSizeHint();
    const double scale = std::max(1.0, contentScale_);
    pageScroller->setMinimumSize(static_cast<int>(std::lround(needed.width() / scale)),
                                 static_cast<int>(std::lround(needed.height() / scale)));
}

void TForm1::closeEvent(QCloseEvent* event) {
    drawUpdateCommands_->stopForClose();
    ws_->windowWidth = width();
    ws_->windowHeight = height();
    if (settingsWritable_)
        saveSettingsStore(settingsFile_, saveSettings(*ws_, !isMaximized() && !isMinimized()),
                          ws_->program.today());
    event->accept();
}

// Moving the mouse over a command button, an option field, a row label or a side banner
// writes its hint into status panel 1; the panel keeps it when the mouse leaves. A command's
// status text stays until the mouse enters another control: Qt sends the control under the
// mouse enter events again (when a run ends, a cursor is restored, a box closes), and these
// must not hide the result with the hint of the button that started it.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool hinted =
            widget && widget->window() == this &&
            (widget->property("kavantoHint").toBool() || qobject_cast<QAbstractButton*>(widget) ||
             qobject_cast<QAbstractSpinBox*>(widget));
        if (hinted && widget != hintedControl_) {
            hintedControl_ = widget;
            ws_->view.status.panel1 = hintText(widget).toStdString();
            statusPanel1->setText(hintText(widget));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kav::gui
