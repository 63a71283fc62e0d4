// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GuiInteraction.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kav::test {

// The window's interaction without modal boxes: it records what the program showed and
// answers from prepared lists (questions default to No, dialogs to Cancel).
class RecordingInteraction : public gui::GuiInteraction {
public:
    void showMessage(const std::string& text, const std::string&) override {
        messages.push_back(text);
    }
    void showError(const std::string& text) override { errors.push_back(text); }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return take(yesNoAnswers, false);
    }
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override {
        questions.push_back(prompt);
        if (realInputBoxes)
            return gui::GuiInteraction::askText(caption, prompt, defaultText);
        return take(textAnswers, std::optional<std::string>{});
    }
    void processPendingInput() override {
        if (onPendingInput)
            onPendingInput();
        gui::GuiInteraction::processPendingInput();
    }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void openDocument(const std::string& pathOrUrl) override { opened.push_back(pathOrUrl); }
    std::optional<DrawRecord> editDraw(const DrawRecord& preset) override {
        if (realDrawEntryDialog)
            return gui::GuiInteraction::editDraw(preset);
        return take(drawAnswers, std::optional<DrawRecord>{});
    }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override {
        fileRequests.push_back(r);
        return take(fileAnswers, std::optional<std::filesystem::path>{});
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override {
        fileRequests.push_back(r);
        return take(fileAnswers, std::optional<std::filesystem::path>{});
    }

    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return true;
    }

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> textAnswers;
    std::deque<std::optional<DrawRecord>> drawAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    // Shows the real draw entry dialog (a test drives it) instead of answering.
    bool realDrawEntryDialog = false;
    // Shows the real input boxes (a test drives them) instead of answering.
    bool realInputBoxes = false;
    // Called whenever a long command lets pending input be processed.
    std::function<void()> onPendingInput;

    std::vector<std::string> messages, errors, questions, sounds, opened;
    std::vector<FileDialogRequest> fileRequests;
    struct StartedProgram {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };
    std::vector<StartedProgram> started;

private:
    template <typename T> static T take(std::deque<T>& answers, T fallback) {
        if (answers.empty())
            return fallback;
        T front = std::move(answers.front());
        answers.pop_front();
        return front;
    }
};

} // namespace kav::test
