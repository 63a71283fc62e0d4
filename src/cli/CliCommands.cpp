// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"

namespace kav::cli {

std::span<const CliCommand> cliCommands() {
    static const std::vector<CliCommand> kCommands{
        {"init",
         "",
         "Ziehungsdatei mit der ersten Ziehung anlegen (nur wenn sie fehlt)",
         {},
         false,
         runInit},
        {"draws", "", "die Ziehungen der Ziehungsdatei auflisten", {}, false, runDraws},
        {"add",
         "DATUM N1 N2 N3 N4 N5 NºCLAVE",
         "eine Ziehung von Hand eingeben (angehängt, oder nach Datum ersetzt/eingefügt)",
         {},
         true,
         runAdd},
        {"delete",
         "",
         "die aktuelle Ziehung löschen (die für --end gewählte)",
         {},
         true,
         runDelete},
        {"next", "", "zur nächsten Ziehung gehen", {}, true, runNext},
        {"previous", "", "zur vorhergehenden Ziehung gehen", {}, true, runPrevious},
        {"evaluate",
         "",
         "den Tippschein gegen die aktuelle Ziehung auswerten",
         {},
         true,
         runEvaluate},
        {"save-sheet",
         "DATEI",
         "den Tippschein als Tippdatei (.hlt) speichern",
         {},
         true,
         runSaveSheet},
        {"stats",
         "ART",
         "eine Statistik (numbers, overdue, sums, pairs, triples, quads, keys, keys-overdue, "
         "sheet)",
         {},
         true,
         runStats},
        {"generate",
         "",
         "\"Tipps berechnen\" einmal, nach der Glückszahl N; die Zahlenliste (Chekcbox20) wird "
         "mit OK beantwortet, mit --list wird DATEI (.hlw) geladen (Liste eingeschaltet) und "
         "\"&Rechnen\" gewählt",
         {{"seed", "N", "die Glückszahl vor der Berechnung"},
          {"list", "DATEI", "die Zahlenliste (.hlw) für \"&Rechnen\""}},
         true,
         runGenerate},
        {"search",
         "",
         "Tippschein in der Ziehungsdatenbank suchen (jede Frage: Ja)",
         {{"threshold", "N", "bei wie vielen Treffern die Suche anhält"}},
         true,
         runSearch},
        {"backtest",
         "",
         "Rückschau der Einstellungen ab dem Enddatum, Glückszahl N; --chance: Vergleich mit "
         "dem Zufall",
         {{"seed", "N", "die Glückszahl jeder Woche"},
          {"chance", "", "dazu der Vergleich mit dem Zufall"}},
         true,
         runBacktest},
        {"history",
         "",
         "Rückschau der Ziehungen ab dem Enddatum (jede Frage: Ja)",
         {{"threshold", "N", "bei wie vielen Treffern gefragt wird"}},
         true,
         runHistory},
        {"update",
         "",
         "Ziehungen vom Ziehungsdienst laden (URL: Schema, Rechner, Port)",
         {{"host", "URL", "der Ziehungsdienst statt des gespeicherten"}},
         false,
         runUpdate},
        {"import",
         "DATEI",
         "Ziehungen aus einer CSV-Datei übernehmen (abweichende nur mit --replace)",
         {{"replace", "", "abweichende Ziehungen durch die der Datei ersetzen"}},
         false,
         runImport},
        {"export", "DATEI", "alle Ziehungen als CSV-Datei schreiben", {}, true, runExport},
        {"print",
         "",
         "den Tippausdruck Tipp.txt schreiben (\"Tipp ausdrucken\")",
         {},
         true,
         runPrint},
        {"submit",
         "",
         "den Tipp an Klickwerk übergeben (Dialog mit OK beantwortet; NAME: ZAHL1, ZAHL2, TEXT1, "
         "TEXT2)",
         {{"dry-run", "", "die Dateien schreiben, aber nichts starten"},
          {"klickwerk", "ORDNER", "Klickwerks Ordner statt des gespeicherten \"Path\""},
          {"template", "DATEI", "die Click-Script-Vorlage"},
          {"param", "NAME=WERT", "ein Feld des Dialogs; mehrfach möglich"},
          {"script-server", "URL", "der Script-Server statt des gespeicherten"}},
         true,
         runSubmit},
    };
    return kCommands;
}

std::string commandUsage(const CliCommand& command) {
    std::string usage = command.name;
    if (*command.arguments)
        usage += std::string(" ") + command.arguments;
    for (const CommandOption& option : command.options)
        usage += std::string(" [--") + option.name + (*option.valueName ? " " : "") +
                 option.valueName + "]" + (std::string_view(option.name) == "param" ? "..." : "");
    return usage;
}

void requireNoArguments(const CommandLine& line) {
    if (!line.arguments().empty())
        throw UsageError("unerwartetes Argument: " + line.arguments().front());
}

} // namespace kav::cli
