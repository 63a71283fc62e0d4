// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Submission.h"

#include "base/AtomicFile.h"
#include "base/IntegerText.h"
#include "base/IoError.h"
#include "evaluation/TipFile.h"
#include "output/ClickScript.h"
#include "output/ClickScriptDialog.h"
#include "output/KlickwerkSettings.h"
#include "output/ScriptUpdate.h"

#include <cerrno>
#include <stdexcept>

namespace kav {
namespace {

// "Tipps" in the program folder, where the submission's files go.
std::filesystem::path submissionFolder(const ProgramContext& program) {
    return std::filesystem::absolute(program.folder) / kSubmissionFolder;
}

// Creates the folder when the submission writes its files.
void createSubmissionFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec || !std::filesystem::is_directory(folder, ec))
        throw IoError(ioErrorText("Anlegen", folder, ec ? ec.value() : ENOTDIR));
}

ScriptServer scriptServerOf(const Options& options) {
    const auto port = parseInteger(options.proxyPort);
    return {options.scriptServer, options.proxyHost,
            port && *port > 0 && *port < 65536 ? *port : 80};
}

} // namespace

SubmissionResult OnlineTippClick(const ProgramContext& program, const Options& options,
                                 const Ticket& ticket, const DrawWindow& drawWindow,
                                 SubmissionServices& services) {
    return AutoWebScript(program, options, ticket, services,
                         submissionFolder(program) /
                             submissionTipFileName(drawWindow.endPicker.value));
}

SubmissionResult AutoWebScript(const ProgramContext& program, const Options& options,
                               const Ticket& ticket, SubmissionServices& services,
                               const std::filesystem::path& tipFile) {
    SubmissionResult result;
    result.tipFile = tipFile;
    KlickwerkSettings& settings = services.klickwerk;
    const std::string folder = settings.read(klickwerk::Path);
    result.program = std::filesystem::path(folder) / klickwerk::Executable;
    ClickScriptFields fields;
    fields.script = settings.read(klickwerk::Script);
    fields.zahl1 = settings.read(klickwerk::Zahl1);
    fields.text1 = settings.read(klickwerk::Text1);
    fields.zahl2 = settings.read(klickwerk::Zahl2);
    fields.text2 = settings.read(klickwerk::Text2);

    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_regular_file(result.program, ec)) {
        if (program.ui.askYesNo("Velmors Klickwerk installieren?", "Klickwerk jetzt installieren?"))
            program.ui.openDocument(kKlickwerkInstaller);
        result.outcome = SubmissionResult::Outcome::NotInstalled;
        return result;
    }

    ClickScriptDialogRequest request;
    request.scriptFolder = program.folder / kScriptFolder;
    ClickScriptList list = listClickScripts(request.scriptFolder, fields.script);
    request.scripts = std::move(list.scripts);
    fields.script = std::move(list.text);
    request.fields = fields;
    const ScriptServer server = scriptServerOf(options);
    request.beforeOk = [&](const std::string& script) {
        updateClickScriptTemplate(services.http, server, script, program.folder);
    };
    std::optional<ClickScriptFields> chosen = program.ui.chooseClickScript(request);
    if (!chosen) {
        result.outcome = SubmissionResult::Outcome::Cancelled;
        return result;
    }
    completeNumberFields(*chosen);

    // Everything that can fail before the hand-off is done before anything is written: a
    // template that cannot be read leaves the settings, the folder and the files as they were.
    const std::string text =
        fillClickScript(readClickScriptTemplate(chosen->script), ticket.sheet, tipFile.string());
    result.script = submissionFolder(program) / clickScriptFileName(program.today());
    createSubmissionFolder(submissionFolder(program));
    writeFileAtomically(tipFile, tipFileText(ticket.sheet));
    writeFileAtomically(result.script, clickScriptFileBytes(text));
    settings.write({{klickwerk::Script, chosen->script},
                    {klickwerk::Zahl1, chosen->zahl1},
                    {klickwerk::Text1, chosen->text1},
                    {klickwerk::Zahl2, chosen->zahl2},
                    {klickwerk::Text2, chosen->text2}});
    if (settings.takeSessionOnlyNotice())
        program.ui.showMessage(kSessionOnlyPasswordNotice, "Passwort");

    result.arguments = splitAtBlanks(klickwerkParameterString(
        result.script.string(), {chosen->zahl1, chosen->text1, chosen->zahl2, chosen->text2}));
    if (!program.ui.startProgram(result.program, result.arguments))
        throw std::runtime_error("Klickwerk konnte nicht gestartet werden: " +
                                 result.program.string());
    result.outcome = SubmissionResult::Outcome::HandedOff;
    return result;
}

} // namespace kav
