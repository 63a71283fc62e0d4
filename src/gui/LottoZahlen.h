// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandHost.h"
#include "GuiInteraction.h"
#include "LanguageComponents.h"
#include "StatusPanel.h"
#include "base/SecretStore.h"

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTabWidget;

namespace kav::platform {
class SubmissionBackend;
}

namespace kav::gui {

class AnalysisCommands;
class CalculationPage;
class ChartPage;
class DatabasePage;
class DrawUpdateCommands;
class InternetPage;
class TipOverviewPage;
class TForm6;
class TVKSForm;
class WorkspacePage;

struct StartParameters {
    std::filesystem::path programFolder;
    std::filesystem::path settingsFile;
    std::function<DayCount()> today;
    std::uint32_t randomSeed = 0;
    // The dialogs' owner; tests pass one that answers without a person.
    std::unique_ptr<GuiInteraction> interaction;
    // Where the broker password is kept; null: the desktop's keychain.
    std::unique_ptr<SecretStore> secretStore;
};

// The main window `TForm1` of module LottoZahlen: the page control with its five pages,
// the menu and the two-panel status bar. It owns the Workspace and shows it.
class TForm1 final : public QMainWindow, public CommandHost {
    Q_OBJECT
public:
    explicit TForm1(StartParameters parameters, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up before the window shows: end date on today, the current draw selected
    // (creating a missing draw file), the number distribution drawn.
    void startUp();

    Workspace& workspace() override { return *ws_; }
    void runCommand(const std::function<void()>& command) override;
    void syncFromWorkspace() override;
    // Takes the window's minimum size from the pages as they are now, scaled back to the
    // designed font; call it after the pages' texts change (a language switch).
    void fixMinimumSize();
    // The language command of a menu entry of "Sprache/&Language" (language number
    // `number`): the language load over the windows' components, Qt's own texts in that
    // language, the check mark on its entry.
    void chooseLanguage(int number);
    // The components of the windows created at start-up (this window, `Form6`, `VKSForm`)
    // as the language load walks them, taken once they were built.
    const std::vector<WalkedComponent>& languageWalk() const { return languageWalk_; }

    QScrollArea* pageScroller; // holds the page control; scrolls when the window is narrow
    QTabWidget* pageControl;
    TipOverviewPage* tipPage;
    CalculationPage* calculationPage;
    ChartPage* chartPage;
    DatabasePage* databasePage;
    InternetPage* internetPage;
    QLabel* statusPanel0;
    StatusPanel* statusPanel1;
    QAction* actionZiehungsdatenLaden; // Ctrl+A
    QAction* actionBerechnen;          // Ctrl+R
    QMenu* menuSprache;
    std::vector<QAction*> languageActions; // `Deutsch1`, `Englisch1`, ... in menu order
    QAction* actionAbgeben;                // Ctrl+G
    QAction* actionSchliessen;
    TForm6* numberListDialog; // `Form6`, created at start-up after the main window
    AnalysisCommands* analysisCommands = nullptr; // search and historical analyses
    QAction* actionNextPage;                      // Ctrl+PageDown
    QAction* actionPreviousPage;                  // Ctrl+PageUp
    TVKSForm* vksForm;                            // the click-script dialog, made at start

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void buildPageKeys();
    void stepPage(int step);
    void showActivePage();
    void scaleContents(int newHeight);
    void connectNumberListCommands();

    std::unique_ptr<GuiInteraction> interaction_;
    std::unique_ptr<Workspace> ws_;
    std::filesystem::path settingsFile_;
    bool settingsWritable_ = true; // false: a damaged store could not be set aside
    std::vector<WalkedComponent> languageWalk_;
    std::unique_ptr<platform::SubmissionBackend> submission_;
    std::vector<WorkspacePage*> pages_;
    DrawUpdateCommands* drawUpdateCommands_ = nullptr;
    bool shown_ = false;
    int rememberedHeight_ = 0;
    double contentScale_ = 1.0;
    bool pageShowQueued_ = false;
    // The control whose hint panel 1 showed last; entering it again leaves the panel alone.
    QPointer<QWidget> hintedControl_;
};

} // namespace kav::gui
