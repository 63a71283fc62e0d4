// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Interaction.h"

namespace kav::bench {

// Answers nothing and shows nothing: a benchmark measures the command, not the user.
class NoInteraction final : public Interaction {
public:
    void showMessage(const std::string&, const std::string&) override {}
    void showError(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void processPendingInput() override {}
    void repaint() override {}
    void setBusy(bool) override {}
    void playSound(const std::string&) override {}
    void openDocument(const std::string&) override {}
    std::optional<DrawRecord> editDraw(const DrawRecord&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

} // namespace kav::bench
