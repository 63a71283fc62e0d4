// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Interaction.h"

#include <functional>
#include <iosfwd>
#include <optional>

namespace kav::cli {

// The tool never asks: questions are answered Yes, input boxes take their default text
// (or the answer a command set), dialogs take what the command line gave. Messages and
// errors go to standard error, one line each.
class CliInteraction final : public Interaction {
public:
    explicit CliInteraction(std::ostream& err) : err_(err) {}

    bool errorShown() const { return errorShown_; }

    // Answers a command sets before it runs.
    std::optional<std::string> textAnswer;
    std::optional<DrawRecord> drawAnswer;
    std::optional<std::filesystem::path> fileAnswer;
    // The list `generate --list` loaded: the number list dialog answers "&Rechnen" with it.
    std::optional<NumberBoxes> poolListAnswer;
    // Called whenever a long command lets pending input be processed (progress output).
    std::function<void()> onPendingInput;
    std::optional<bool> yesNoAnswer; // unset: Yes
    // The click-script dialog is answered OK with its fields as shown, changed by this.
    std::function<void(ClickScriptFields&)> clickScriptAnswer;
    bool dryRun = false; // programs are not started

    void showMessage(const std::string& text, const std::string& caption) override;
    void showError(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
    void processPendingInput() override {
        if (onPendingInput)
            onPendingInput();
    }
    void repaint() override {}
    void setBusy(bool) override {}
    void playSound(const std::string&) override {}
    void openDocument(const std::string&) override {}
    std::optional<DrawRecord> editDraw(const DrawRecord& preset) override;
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
    PoolListChoice choosePoolList(const PoolListQuestion& question) override;
    std::optional<ClickScriptFields>
    chooseClickScript(const ClickScriptDialogRequest& request) override;
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;

private:
    std::ostream& err_;
    bool errorShown_ = false;
};

} // namespace kav::cli
