// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include "CliArguments.h"
#include "CliCommands.h"
#include "CliContext.h"
#include "ProgramLocations.h"
#include "QtTranslations.h"
#include "TerminalSafeOutput.h"
#include "app/LanguageLoad.h"
#include "app/SettingsLoad.h"
#include "app/SettingsStore.h"
#include "app/StartUp.h"
#include "base/IntegerText.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "evaluation/TipFile.h"

#include <QJsonDocument>
#include <algorithm>
#include <iostream>
#include <map>
#include <new>
#include <ostream>
#include <sstream>
#include <unistd.h>

namespace kav::cli {
namespace {

// Lays the --set values into the loaded settings with the type the store keeps them in.
void applySets(SettingsValues& values, const std::map<std::string, std::string>& sets) {
    for (const auto& [name, text] : sets) {
        if (name.rfind("Edit", 0) == 0) {
            values[name] = SettingValue::ofText(text);
            continue;
        }
        const auto number = parseInteger(text);
        const bool isCheckBox = name.rfind("Chekcbox", 0) == 0;
        if (!number || (isCheckBox && *number != 0 && *number != 1) ||
            (name == "RadioGroup1" && (*number < 0 || *number > 2)))
            throw UsageError("--set " + name + ": ungültiger Wert: " + text);
        values[name] = SettingValue::ofInteger(*number);
    }
}

// The tool's start-up: settings, --set, the language, --sheet and --lock, start date, end
// date and the selection of the current draw.
void startTool(Workspace& ws, const GlobalOptions& g, const CliCommand& command,
               std::ostream& err) {
    SettingsValues values;
    if (!g.defaults) {
        const std::filesystem::path store = platform::settingsFile(g.settingsFile);
        // The window sets a damaged store aside when it starts; the tool only reads.
        try {
            if (isUnparsableSettingsFile(store))
                err << "kavanto-cli: Die Einstellungsdatei " << store.string()
                    << " ist beschädigt; es gelten die Standardeinstellungen.\n";
            values = readSettingsFile(store);
        } catch (const IoError& e) {
            err << "kavanto-cli: " << e.what() << " Es gelten die Standardeinstellungen.\n";
        }
    }
    applySets(values, g.sets);
    createMainWindowState(ws, values, platform::clockSeed());
    // The texts follow the language as in the window, where it is applied once the dialogs
    // exist: before the current draw is selected.
    if (g.language) {
        // Without its language files the output would stay German; a script that asked for
        // another language must not get German output it takes for that language.
        if (const std::string missing = missingLanguageFilesText(ws.program.folder, *g.language);
            std::string_view(g.language->code) != "de" && !missing.empty())
            throw UsageError("--language " + std::string(g.language->code) + ": " + missing);
        chooseLanguage(ws, *g.language, workspaceComponents(ws));
    } else {
        applyStoredLanguage(ws, workspaceComponents(ws));
    }
    if (g.sheetFile) {
        try {
            loadTipFile(ws.ticket.sheet, *g.sheetFile);
        } catch (const IoError& e) {
            throw UsageError(std::string("--sheet: ") + e.what());
        }
    }
    for (int row : g.lockedRows)
        ws.ticket.sheet.setLocked(row, true);
    if (g.start && !ws.drawWindow.startPicker.set(*g.start))
        throw UsageError("--start: Datum vor dem 06.02.2005");
    ws.drawWindow.windowStart = ws.drawWindow.startPicker.value;
    if (g.end && !ws.drawWindow.endPicker.set(*g.end))
        throw UsageError("--end: Datum vor dem 06.02.2005");
    if (!g.end)
        ws.drawWindow.endPicker.set(ws.program.today());
    if (!command.needsDrawFile)
        return;
    // Only a missing file is missing: a folder in its place fails its read with that reason.
    if (drawFileOf(ws.program).state() == DrawFileState::Missing)
        throw IoError("Die Ziehungsdatei " + drawFileOf(ws.program).path().string() +
                      " fehlt (kavanto-cli init legt sie an).");
    SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
}

} // namespace

void CliContext::printJson(const QJsonObject& document) const {
    out << QJsonDocument(document).toJson(QJsonDocument::Compact).toStdString() << '\n';
}

namespace {

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            bool errIsTerminal) {
    // Qt's texts of the parser (its errors, the help's headings) in German, the tool's
    // language until the stored one is known.
    platform::installQtTranslations("de");
    ParsedArguments parsed;
    try {
        parsed = parseArguments(args);
    } catch (const UsageError& e) {
        err << "kavanto-cli: " << e.what() << '\n';
        return kExitUsage;
    }
    if (parsed.help || !parsed.command) {
        printHelp(parsed.help ? out : err, parsed.command);
        return parsed.help ? kExitOk : kExitUsage;
    }
    const GlobalOptions& globals = parsed.globals;
    const CliCommand* command = parsed.command;

    CliInteraction ui(err);
    try {
        Workspace ws(platform::programFolder(globals.dataDir), ui);
        ws.program.todayProvider = [today = globals.today.value_or(platform::systemToday())] {
            return today;
        };
        ws.view.shortDayNames = platform::systemShortDayNames();
        const std::filesystem::path settingsFile = platform::settingsFile(globals.settingsFile);
        // A file that is not there (or a folder that is not) leaves the settings at their
        // defaults: said, so a mistyped name does not pass unnoticed.
        std::error_code ec;
        if (!globals.defaults && !globals.settingsFile.isEmpty() &&
            !std::filesystem::exists(settingsFile, ec))
            err << "kavanto-cli: --settings: " << settingsFile.string()
                << " gibt es nicht; es gelten die Standardeinstellungen\n";
        CliContext ctx{ws, ui, out, err, globals.json, settingsFile};
        ctx.errIsTerminal = errIsTerminal;
        startTool(ws, globals, *command, err);
        const int code = command->run(ctx, parsed.line);
        return ui.errorShown() && code == kExitOk ? kExitFailure : code;
    } catch (const UsageError& e) {
        err << "kavanto-cli: " << e.what() << '\n';
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        err << "kavanto-cli: nicht genug Arbeitsspeicher\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        err << "kavanto-cli: " << e.what() << '\n';
        return kExitFailure;
    }
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool errIsTerminal = &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
    TerminalSafeOutput safeOut(out.rdbuf());
    TerminalSafeOutput safeErr(err.rdbuf());
    std::ostream printedOut(&safeOut);
    std::ostream printedErr(&safeErr);
    const int code = runTool(args, printedOut, printedErr, errIsTerminal);
    printedOut.flush();
    printedErr.flush();
    return code;
}

} // namespace kav::cli
