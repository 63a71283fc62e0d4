// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include "CliCommands.h"
#include "CliContext.h"
#include "ProgramLocations.h"
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

struct GlobalOptions {
    QString dataDir;
    QString settingsFile;
    bool defaults = false;
    std::map<std::string, std::string> sets; // a name given twice keeps its last value
    std::optional<std::string> sheetFile;
    std::vector<int> lockedRows; // 0-based
    std::optional<DayCount> end;
    std::optional<DayCount> start;
    std::optional<DayCount> today;
    const Language* language = nullptr; // --language; null: the stored "Sprache"
    bool json = false;
    bool help = false;
};

DayCount parseDateOption(const std::string& option, const std::string& text) {
    const auto date = parseShortDate(text);
    if (!date)
        throw UsageError(option + ": kein gültiges Datum (dd.mm.yyyy): " + text);
    return *date;
}

// "1,3,8": every item a row 1..12; an empty list or an empty item ("", "1,,3", "1,2,") is
// refused alike.
std::vector<int> parseRows(const std::string& text) {
    std::vector<int> rows;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        if (item.empty())
            throw UsageError("--lock: leere Angabe in \"" + text +
                             "\" (Tippreihen 1..12, durch Kommas getrennt, z. B. 1,3,8)");
        const auto row = parseInteger(item);
        if (!row || *row < 1 || *row > TipSheet::kRows)
            throw UsageError("--lock: keine Tippreihe 1..12: " + item);
        rows.push_back(*row - 1);
        if (comma == std::string::npos)
            return rows;
        start = comma + 1;
    }
}

// A settings file named on the command line that is a folder would otherwise be ignored
// silently.
void checkSettingsOption(const QString& option) {
    if (option.isEmpty())
        return;
    const std::filesystem::path file = option.toStdString();
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw UsageError("--settings: " + file.string() +
                         " ist ein Ordner; erwartet wird eine Einstellungsdatei");
}

// Splits the arguments into the global options and the command with its own arguments.
GlobalOptions parseGlobals(const std::vector<std::string>& args, CommandArgs& rest) {
    GlobalOptions g;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError(a + " braucht einen Wert");
            return args[++i];
        };
        if (a == "--data-dir")
            g.dataDir = QString::fromStdString(value());
        else if (a == "--settings")
            g.settingsFile = QString::fromStdString(value());
        else if (a == "--defaults")
            g.defaults = true;
        else if (a == "--set") {
            const std::string& assignment = value();
            const std::size_t eq = assignment.find('=');
            const std::string name = assignment.substr(0, eq);
            if (eq == std::string::npos || !isSettableName(name))
                throw UsageError("--set: unbekannter Name: " + assignment);
            g.sets[name] = assignment.substr(eq + 1);
        } else if (a == "--sheet")
            g.sheetFile = value();
        else if (a == "--lock")
            g.lockedRows = parseRows(value());
        else if (a == "--end")
            g.end = parseDateOption(a, value());
        else if (a == "--start")
            g.start = parseDateOption(a, value());
        else if (a == "--today")
            g.today = parseDateOption(a, value());
        else if (a == "--language") {
            g.language = languageByCode(value());
            if (!g.language)
                throw UsageError("--language: unbekannte Sprache: " + args[i] +
                                 " (de, en, fr, es, it, ru, tr, nl, pl, cz, slo, hu, gr, se, "
                                 "nor, fi, dae)");
        } else if (a == "--json")
            g.json = true;
        else if (a == "--help" || a == "-h")
            g.help = true;
        else
            rest.push_back(a);
    }
    return g;
}

// Characters, not bytes: "NºCLAVE" is one column wider in UTF-8 than on the screen.
std::size_t columns(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// One command of the help: its usage, then its description in a column of its own, wrapped
// at word boundaries; a usage too wide for its column puts the description on the next line.
void printCommandHelp(std::ostream& out, const CliCommand& c) {
    constexpr std::size_t kIndent = 32;
    constexpr std::size_t kWidth = 100;
    const std::string head =
        "  " + std::string(c.name) + (*c.usage ? std::string(" ") + c.usage : "");
    std::size_t column = columns(head);
    out << head;
    if (column + 1 > kIndent) {
        out << '\n';
        column = 0;
    }
    std::istringstream words{std::string(c.description)};
    std::string word;
    bool lineStart = true;
    while (words >> word) {
        if (!lineStart && column + 1 + columns(word) > kWidth) {
            out << '\n';
            column = 0;
            lineStart = true;
        }
        if (lineStart) {
            out << std::string(kIndent - column, ' ');
            column = kIndent;
        } else {
            out << ' ';
            ++column;
        }
        out << word;
        column += columns(word);
        lineStart = false;
    }
    out << '\n';
}

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

void printHelp(std::ostream& out) {
    out << "Aufruf: kavanto-cli [GLOBALE OPTIONEN] BEFEHL [BEFEHLSOPTIONEN]\n\n"
           "Globale Optionen:\n"
           "  --data-dir ORDNER   Programmordner (ZahlenKav.dat, land/, Script/, Tipps/)\n"
           "  --settings DATEI    Einstellungsdatei statt der des Benutzers\n"
           "  --defaults          gespeicherte Einstellungen nicht laden\n"
           "  --set NAME=WERT     eine Einstellung setzen (Chekcbox1..31, UpDown1..19,\n"
           "                      RadioGroup1, Edit1..Edit79); mehrfach möglich\n"
           "  --sheet DATEI       Tippschein aus einer Tippdatei (.hlt) laden\n"
           "  --lock REIHEN       Tippreihen sperren, z. B. 1,3,8\n"
           "  --end DATUM         Enddatum (dd.mm.yyyy), Standard: heute\n"
           "  --start DATUM       Startdatum der Auswertung (dd.mm.yyyy)\n"
           "  --today DATUM       dieses Datum gilt als heute\n"
           "  --language CODE     Sprache der Texte (de, en, fr, ...), sonst die gespeicherte\n"
           "  --json              Ergebnis als JSON ausgeben\n\n"
           "Befehle:\n";
    for (const CliCommand& c : cliCommands())
        printCommandHelp(out, c);
    out << "\nExit-Codes: 0 Erfolg, 1 Fehler bei der Ausführung, 2 falscher Aufruf.\n";
}

// The tool's start-up: settings, --set, the language, --sheet and --lock, start date, end
// date and the selection of the current draw.
void startTool(Workspace& ws, const GlobalOptions& g, const CliCommand& command,
               std::ostream& err) {
    SettingsValues values;
    if (!g.defaults) {
        const std::filesystem::path store = platform::settingsFile(g.settingsFile);
        // The window sets such a store aside when it starts; the tool only reads.
        if (isUnparsableSettingsFile(store))
            err << "kavanto-cli: Die Einstellungsdatei " << store.string()
                << " ist beschädigt; es gelten die Standardeinstellungen.\n";
        values = readSettingsFile(store);
    }
    applySets(values, g.sets);
    createMainWindowState(ws, values, platform::clockSeed());
    // The texts follow the language as in the window, where it is applied once the dialogs
    // exist: before the current draw is selected.
    if (g.language) {
        // The window would stay German without its language files; a script that asked for
        // another language must not get German output it takes for that language.
        if (std::string_view(g.language->code) != "de" &&
            !std::filesystem::exists(baseLanguageFile(ws.program.folder)))
            throw UsageError("--language " + std::string(g.language->code) +
                             ": keine Sprachdateien im Programmordner (" +
                             baseLanguageFile(ws.program.folder).string() + " fehlt)");
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

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandArgs rest;
    GlobalOptions globals;
    try {
        globals = parseGlobals(args, rest);
        checkSettingsOption(globals.settingsFile);
    } catch (const UsageError& e) {
        err << "kavanto-cli: " << e.what() << '\n';
        return kExitUsage;
    }
    if (globals.help || rest.empty()) {
        printHelp(globals.help ? out : err);
        return globals.help ? kExitOk : kExitUsage;
    }
    const auto commands = cliCommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CliCommand& c) { return rest.front() == c.name; });
    if (command == commands.end()) {
        err << "kavanto-cli: unbekannter Befehl: " << rest.front() << " (siehe --help)\n";
        return kExitUsage;
    }
    rest.erase(rest.begin());

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
        ctx.errIsTerminal = &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
        startTool(ws, globals, *command, err);
        const int code = command->run(ctx, rest);
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

} // namespace kav::cli
