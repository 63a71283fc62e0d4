// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliInteraction.h"

#include "ProgramStart.h"

#include <ostream>

namespace kav::cli {

void CliInteraction::showMessage(const std::string& text, const std::string& caption) {
    err_ << (caption.empty() ? "" : caption + ": ") << text << '\n';
}

void CliInteraction::showError(const std::string& text) {
    errorShown_ = true;
    err_ << "Fehler: " << text << '\n';
}

bool CliInteraction::askYesNo(const std::string&, const std::string&) {
    return yesNoAnswer.value_or(true);
}

std::optional<std::string> CliInteraction::askText(const std::string&, const std::string&,
                                                   const std::string& defaultText) {
    return textAnswer ? textAnswer : defaultText;
}

std::optional<DrawRecord> CliInteraction::editDraw(const DrawRecord& preset) {
    return drawAnswer ? drawAnswer : preset;
}

std::optional<std::filesystem::path> CliInteraction::chooseSaveFile(const FileDialogRequest&) {
    return fileAnswer;
}

std::optional<std::filesystem::path> CliInteraction::chooseOpenFile(const FileDialogRequest&) {
    return fileAnswer;
}

// OK keeps the pool; a list given on the command line is loaded and answered "&Rechnen".
PoolListChoice CliInteraction::choosePoolList(const PoolListQuestion&) {
    if (!poolListAnswer)
        return {PoolListAnswer::Keep, {}};
    return {PoolListAnswer::Calculate, *poolListAnswer};
}

std::optional<ClickScriptFields>
CliInteraction::chooseClickScript(const ClickScriptDialogRequest& request) {
    ClickScriptFields fields = request.fields;
    if (clickScriptAnswer)
        clickScriptAnswer(fields);
    if (request.beforeOk)
        request.beforeOk(fields.script);
    return fields;
}

bool CliInteraction::startProgram(const std::filesystem::path& program,
                                  const std::vector<std::string>& arguments) {
    return dryRun || platform::startDetached(program, arguments);
}

} // namespace kav::cli
