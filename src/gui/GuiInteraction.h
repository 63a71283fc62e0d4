// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"
#include "model/Interaction.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace kav::gui {

class TForm6;

// The window's answers to the core: modal message and input boxes, file dialogs, the
// busy cursor, sound and "open". Long commands call processPendingInput once per step;
// it lets Qt process input only every few milliseconds, so a run spends its time
// computing, not repainting. Tests derive from it to answer dialogs without a person.
class GuiInteraction : public Interaction {
public:
    GuiInteraction();

    // The window that owns the dialogs and the function that shows the Workspace.
    void attach(QWidget* window, std::function<void()> showWorkspace);
    // Sounds named without a folder are looked for here.
    void setProgramFolder(const std::filesystem::path& folder) { sound_.setProgramFolder(folder); }
    // The number list dialog, created at start-up after the main window.
    void setNumberListDialog(TForm6* dialog);

    void showMessage(const std::string& text, const std::string& caption) override;
    void showError(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
    void processPendingInput() override;
    void repaint() override;
    void setBusy(bool busy) override;
    void playSound(const std::string& fileName) override;
    void openDocument(const std::string& pathOrUrl) override;
    std::optional<DrawRecord> editDraw(const DrawRecord& preset) override;
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
    PoolListChoice choosePoolList(const PoolListQuestion& question) override;
    std::optional<NumberBoxes> editTipRow(const TipRowQuestion& question, Random& random) override;
    std::optional<ClickScriptFields>
    chooseClickScript(const ClickScriptDialogRequest& request) override;
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;

protected:
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
    QPointer<TForm6> numberList_;
    std::function<void()> showWorkspace_;
    QElapsedTimer sinceEvents_; // since the window last showed the Workspace
    QElapsedTimer sinceInput_;  // since pending input was last processed
    unsigned pendingInputCalls_ = 0;
    int busyDepth_ = 0;
    platform::SoundPlayer sound_;
};

// "Tippdatei|*.hlt" becomes Qt's "Tippdatei (*.hlt)".
QString qtFileFilter(const std::string& filter);

} // namespace kav::gui
