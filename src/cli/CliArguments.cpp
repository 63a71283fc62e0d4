// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include "QtText.h"
#include "app/SettingsLoad.h"
#include "base/IntegerText.h"
#include "model/TipSheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace kav::cli {
namespace {

constexpr const char* kProgram = "kavanto-cli";

// The global options, in the order the help lists them.
struct GlobalOption {
    const char* name;
    const char* valueName; // "" for a flag
    const char* description;
};
const GlobalOption kGlobalOptions[] = {
    {"data-dir", "ORDNER", "Programmordner (ZahlenKav.dat, land/, Script/, Tipps/)"},
    {"settings", "DATEI", "Einstellungsdatei statt der des Benutzers"},
    {"defaults", "", "gespeicherte Einstellungen nicht laden"},
    {"set", "NAME=WERT",
     "eine Einstellung setzen (Chekcbox1..31, UpDown1..19, RadioGroup1, Edit1..Edit79); "
     "mehrfach möglich"},
    {"sheet", "DATEI", "Tippschein aus einer Tippdatei (.hlt) laden"},
    {"lock", "REIHEN", "Tippreihen sperren, z. B. 1,3,8"},
    {"end", "DATUM", "Enddatum (dd.mm.yyyy), Standard: heute"},
    {"start", "DATUM", "Startdatum der Auswertung (dd.mm.yyyy)"},
    {"today", "DATUM", "dieses Datum gilt als heute"},
    {"language", "CODE", "Sprache der Texte (de, en, fr, ...), sonst die gespeicherte"},
    {"json", "", "Ergebnis als JSON ausgeben"},
};

QCommandLineOption qtOption(const char* name, const char* valueName, const char* description) {
    return *valueName
               ? QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description),
                                    QString::fromUtf8(valueName))
               : QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description));
}

const QCommandLineOption& helpOption() {
    static const QCommandLineOption help({"h", "help"}, "diese Hilfe anzeigen");
    return help;
}

// A parser of the global options, with `command`'s options when one is named.
void addOptions(QCommandLineParser& parser, const CliCommand* command) {
    parser.addOption(helpOption());
    for (const GlobalOption& o : kGlobalOptions)
        parser.addOption(qtOption(o.name, o.valueName, o.description));
    if (command)
        for (const CommandOption& o : command->options)
            parser.addOption(qtOption(o.name, o.valueName, o.description));
}

QStringList qtArguments(const std::vector<std::string>& args) {
    QStringList list{QString::fromLatin1(kProgram)};
    for (const std::string& a : args)
        list << qs(a);
    return list;
}

std::string text(const QString& s) {
    return s.toStdString();
}

DayCount parseDateOption(const std::string& option, const std::string& value) {
    const auto date = parseShortDate(value);
    if (!date)
        throw UsageError("--" + option + ": kein gültiges Datum (dd.mm.yyyy): " + value);
    return *date;
}

// "1,3,8": every item a row 1..12; an empty list or an empty item ("", "1,,3", "1,2,") is
// refused alike.
std::vector<int> parseRows(const std::string& value) {
    std::vector<int> rows;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        const std::string item = value.substr(start, comma - start);
        if (item.empty())
            throw UsageError("--lock: leere Angabe in \"" + value +
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

GlobalOptions globalOptionsOf(const QCommandLineParser& parser) {
    GlobalOptions g;
    g.dataDir = parser.value("data-dir");
    g.settingsFile = parser.value("settings");
    checkSettingsOption(g.settingsFile);
    g.defaults = parser.isSet("defaults");
    for (const QString& assignment : parser.values("set")) {
        const std::string text = assignment.toStdString();
        const std::size_t eq = text.find('=');
        const std::string name = text.substr(0, eq);
        if (eq == std::string::npos || !isSettableName(name))
            throw UsageError("--set: unbekannter Name: " + text);
        g.sets[name] = text.substr(eq + 1);
    }
    if (parser.isSet("sheet"))
        g.sheetFile = parser.value("sheet").toStdString();
    if (parser.isSet("lock"))
        g.lockedRows = parseRows(parser.value("lock").toStdString());
    const std::pair<const char*, std::optional<DayCount>*> dates[] = {
        {"end", &g.end}, {"start", &g.start}, {"today", &g.today}};
    for (const auto& [name, date] : dates)
        if (parser.isSet(name))
            *date = parseDateOption(name, parser.value(name).toStdString());
    if (parser.isSet("language")) {
        const std::string code = parser.value("language").toStdString();
        g.language = languageByCode(code);
        if (!g.language)
            throw UsageError("--language: unbekannte Sprache: " + code +
                             " (de, en, fr, es, it, ru, tr, nl, pl, cz, slo, hu, gr, se, nor, "
                             "fi, dae)");
    }
    g.json = parser.isSet("json");
    return g;
}

CommandLine commandLineOf(const QCommandLineParser& parser, const CliCommand& command) {
    QStringList positional = parser.positionalArguments();
    positional.removeFirst(); // the command's name
    std::vector<std::string> arguments;
    for (const QString& a : positional)
        arguments.push_back(a.toStdString());
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> set;
    for (const CommandOption& o : command.options) {
        if (!parser.isSet(o.name))
            continue;
        set.insert(o.name);
        std::vector<std::string>& given = values[o.name];
        for (const QString& v : parser.values(o.name))
            given.push_back(v.toStdString());
    }
    return {std::move(arguments), std::move(values), std::move(set)};
}

const CliCommand* commandNamed(const QString& name) {
    for (const CliCommand& c : cliCommands())
        if (name == QLatin1String(c.name))
            return &c;
    throw UsageError("unbekannter Befehl: " + name.toStdString() + " (siehe --help)");
}

// Qt's help with the tool's name in its usage line (in-process the executable is another).
std::string helpOf(const QCommandLineParser& parser, const QString& syntax) {
    QString help = parser.helpText();
    const qsizetype firstLineEnd = help.indexOf('\n');
    const QString usage =
        QCoreApplication::translate("QCommandLineParser", "Usage: %1")
            .arg(QString::fromLatin1(kProgram) + ' ' +
                 QCoreApplication::translate("QCommandLineParser", "[options]") + ' ' + syntax);
    return text(usage + help.mid(firstLineEnd));
}

// Characters, not bytes: "NºCLAVE" is one column wider in UTF-8 than on the screen.
std::size_t columns(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// One command of the help: its usage, then its description in a column of its own, wrapped
// at word boundaries; a usage too wide for its column puts the description on the next line.
void printCommandEntry(std::ostream& out, const std::string& usage, const char* description) {
    constexpr std::size_t kIndent = 32;
    constexpr std::size_t kWidth = 100;
    const std::string head = "  " + usage;
    std::size_t column = columns(head);
    out << head;
    if (column + 1 > kIndent) {
        out << '\n';
        column = 0;
    }
    std::istringstream words{std::string(description)};
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

} // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    const QStringList arguments = qtArguments(args);
    // Up to the command's name: the global options only.
    QCommandLineParser globals;
    addOptions(globals, nullptr);
    globals.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!globals.parse(arguments))
        throw UsageError(text(globals.errorText()));
    ParsedArguments parsed;
    if (globals.positionalArguments().isEmpty()) {
        parsed.globals = globalOptionsOf(globals);
        parsed.help = globals.isSet(helpOption());
        return parsed;
    }
    parsed.command = commandNamed(globals.positionalArguments().front());

    // The whole line: global options may also follow the command, among its own.
    QCommandLineParser whole;
    addOptions(whole, parsed.command);
    if (!whole.parse(arguments))
        throw UsageError(text(whole.errorText()));
    parsed.help = whole.isSet(helpOption());
    if (parsed.help)
        return parsed;
    parsed.globals = globalOptionsOf(whole);
    parsed.line = commandLineOf(whole, *parsed.command);
    return parsed;
}

void printHelp(std::ostream& out, const CliCommand* command) {
    QCommandLineParser parser;
    if (command) {
        QCommandLineParser own; // the command's own options, then a pointer to the others
        own.addOption(helpOption());
        for (const CommandOption& o : command->options)
            own.addOption(qtOption(o.name, o.valueName, o.description));
        own.setApplicationDescription(QString::fromUtf8(command->description));
        out << helpOf(own, qs(commandUsage(*command)))
            << "\nDazu die globalen Optionen, siehe kavanto-cli --help.\n";
        return;
    }
    addOptions(parser, nullptr);
    out << helpOf(parser, "BEFEHL [BEFEHLSOPTIONEN]");

    // QCommandLineParser knows no commands; they are listed as it lists options.
    out << "\nBefehle (\"kavanto-cli BEFEHL --help\" zeigt die Optionen eines Befehls):\n";
    for (const CliCommand& c : cliCommands())
        printCommandEntry(out, commandUsage(c), c.description);
    out << "\nExit-Codes: 0 Erfolg, 1 Fehler bei der Ausführung, 2 falscher Aufruf.\n";
}

} // namespace kav::cli
