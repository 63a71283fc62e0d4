// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Interaction.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kav::test {

// An Interaction that records what the core asked and answers from prepared lists.
// Questions without a prepared answer get "No"/cancel, dialogs without one are cancelled
// (the number list dialog with Abort).
class ScriptedInteraction : public Interaction {
public:
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(caption.empty() ? text : caption + ": " + text);
    }
    void showError(const std::string& text) override { errors.push_back(text); }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return pop(yesNoAnswers).value_or(false);
    }
    std::optional<std::string> askText(const std::string&, const std::string& prompt,
                                       const std::string&) override {
        questions.push_back(prompt);
        return pop(textAnswers).value_or(std::nullopt);
    }
    void processPendingInput() override {}
    void repaint() override {}
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void openDocument(const std::string& pathOrUrl) override { opened.push_back(pathOrUrl); }

    std::optional<DrawRecord> editDraw(const DrawRecord& preset) override {
        drawPresets.push_back(preset);
        return pop(drawAnswers).value_or(std::nullopt);
    }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override {
        saveRequests.push_back(r);
        return pop(fileAnswers).value_or(std::nullopt);
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override {
        openRequests.push_back(r);
        return pop(fileAnswers).value_or(std::nullopt);
    }

    PoolListChoice choosePoolList(const PoolListQuestion& question) override {
        poolQuestions.push_back(question);
        PoolListChoice abandon;
        abandon.answer = PoolListAnswer::Abandon;
        return pop(poolAnswers).value_or(abandon);
    }
    std::optional<NumberBoxes> editTipRow(const TipRowQuestion& question, Random&) override {
        rowQuestions.push_back(question);
        return pop(rowAnswers).value_or(std::nullopt);
    }
    std::optional<ClickScriptFields> chooseClickScript(const ClickScriptDialogRequest& r) override {
        clickScriptRequests.push_back(r);
        const ClickScriptAnswer answer = pop(clickScriptAnswers).value_or(nullptr);
        std::optional<ClickScriptFields> fields = answer ? answer(r) : std::nullopt;
        if (fields && r.beforeOk)
            r.beforeOk(fields->script);
        return fields;
    }
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return startSucceeds;
    }

    // Answers, taken front first.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> textAnswers;
    std::deque<std::optional<DrawRecord>> drawAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    std::deque<PoolListChoice> poolAnswers;
    std::deque<std::optional<NumberBoxes>> rowAnswers;
    // The click-script dialog: given what it shows, the fields it closes with (nullopt:
    // Cancel). The dialog's OK step runs with the answer.
    using ClickScriptAnswer =
        std::function<std::optional<ClickScriptFields>(const ClickScriptDialogRequest&)>;
    std::deque<ClickScriptAnswer> clickScriptAnswers;
    bool startSucceeds = true;

    // What was asked or shown.
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::vector<std::string> sounds;
    std::vector<std::string> opened;
    std::vector<bool> busyChanges;
    std::vector<DrawRecord> drawPresets;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;
    std::vector<PoolListQuestion> poolQuestions;
    std::vector<TipRowQuestion> rowQuestions;
    std::vector<ClickScriptDialogRequest> clickScriptRequests;
    struct StartedProgram {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };
    std::vector<StartedProgram> started;

private:
    template <typename T> static std::optional<T> pop(std::deque<T>& answers) {
        if (answers.empty())
            return std::nullopt;
        T front = std::move(answers.front());
        answers.pop_front();
        return front;
    }
};

} // namespace kav::test
