// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "SubmissionBackend.h"

#include <algorithm>
#include <map>
#include <ostream>

namespace kav::cli {
namespace {

struct SubmitOptions {
    bool dryRun = false;
    std::optional<std::string> klickwerk;
    std::optional<std::string> scriptTemplate;
    std::optional<std::string> scriptServer;
    std::map<std::string, std::string> params;
};

SubmitOptions parseSubmitOptions(const CommandLine& line) {
    SubmitOptions o;
    o.dryRun = line.isSet("dry-run");
    o.klickwerk = line.value("klickwerk");
    o.scriptTemplate = line.value("template");
    o.scriptServer = line.value("script-server");
    for (const std::string& param : line.values("param")) {
        const std::size_t eq = param.find('=');
        const std::string name = param.substr(0, eq);
        if (eq == std::string::npos ||
            (name != "ZAHL1" && name != "ZAHL2" && name != "TEXT1" && name != "TEXT2"))
            throw UsageError("--param: erwartet ZAHL1, ZAHL2, TEXT1 oder TEXT2=WERT: " + param);
        o.params[name] = param.substr(eq + 1);
    }
    requireNoArguments(line);
    return o;
}

// The dialog's fields as the command line sets them; the rest stay as the dialog shows them.
void answerDialog(const SubmitOptions& o, ClickScriptFields& fields) {
    if (o.scriptTemplate)
        fields.script = *o.scriptTemplate;
    const std::pair<const char*, std::string*> named[] = {{"ZAHL1", &fields.zahl1},
                                                          {"ZAHL2", &fields.zahl2},
                                                          {"TEXT1", &fields.text1},
                                                          {"TEXT2", &fields.text2}};
    for (const auto& [name, field] : named)
        if (const auto it = o.params.find(name); it != o.params.end())
            *field = it->second;
}

} // namespace

// The online submission with the click-script dialog answered OK and the install prompt
// answered No.
int runSubmit(CliContext& ctx, const CommandLine& line) {
    const SubmitOptions options = parseSubmitOptions(line);
    platform::SubmissionBackend backend(ctx.settingsFile);
    if (options.klickwerk)
        backend.klickwerk().standIn(klickwerk::Path, *options.klickwerk);
    if (options.scriptServer)
        ctx.ws.options.scriptServer = *options.scriptServer;
    ctx.ui.yesNoAnswer = false;
    ctx.ui.dryRun = options.dryRun;
    ctx.ui.clickScriptAnswer = [&](ClickScriptFields& fields) { answerDialog(options, fields); };

    const SubmissionResult result = OnlineTippClick(ctx.ws.program, ctx.ws.options, ctx.ws.ticket,
                                                    ctx.ws.drawWindow, backend.services());
    if (result.outcome == SubmissionResult::Outcome::NotInstalled) {
        ctx.err << "kavanto-cli: Velmors Klickwerk installieren? Nein – " << result.program.string()
                << " fehlt (Klickwerks Ordner: --klickwerk ORDNER).\n";
        return kExitFailure;
    }
    QJsonArray command{qs(result.program.string())};
    for (const std::string& argument : result.arguments)
        command.append(qs(argument));
    if (ctx.json) {
        ctx.printJson({{"tipfile", qs(result.tipFile.string())},
                       {"script", qs(result.script.string())},
                       {"command", command}});
        return kExitOk;
    }
    ctx.out << "Tippdatei:    " << result.tipFile.string() << '\n'
            << "Click-Script: " << result.script.string() << '\n'
            << (options.dryRun ? "Aufruf (nicht gestartet): " : "Gestartet: ")
            << result.program.string();
    for (const std::string& argument : result.arguments)
        ctx.out << ' ' << argument;
    ctx.out << '\n';
    return kExitOk;
}

} // namespace kav::cli
