// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"

#include <algorithm>
#include <array>

namespace kav::cli {

std::span<const CliCommand> cliCommands() {
    static const std::array kCommands{
        CliCommand{"init", "", "Ziehungsdatei mit der ersten Ziehung anlegen (nur wenn sie fehlt)",
                   false, runInit},
        CliCommand{"draws", "", "die Ziehungen der Ziehungsdatei auflisten", false, runDraws},
        CliCommand{"add", "DATUM N1 N2 N3 N4 N5 NºCLAVE",
                   "eine Ziehung von Hand eingeben (angehängt, oder nach Datum ersetzt/eingefügt)",
                   true, runAdd},
        CliCommand{"delete", "", "die aktuelle Ziehung löschen (die für --end gewählte)", true,
                   runDelete},
        CliCommand{"next", "", "zur nächsten Ziehung gehen", true, runNext},
        CliCommand{"previous", "", "zur vorhergehenden Ziehung gehen", true, runPrevious},
        CliCommand{"evaluate", "", "den Tippschein gegen die aktuelle Ziehung auswerten", true,
                   runEvaluate},
        CliCommand{"save-sheet", "DATEI", "den Tippschein als Tippdatei (.hlt) speichern", true,
                   runSaveSheet},
        CliCommand{"stats", "ART",
                   "eine Statistik (numbers, overdue, sums, pairs, triples, quads, keys, "
                   "keys-overdue, sheet)",
                   true, runStats},
        CliCommand{"generate", "[--seed N] [--list DATEI]",
                   "\"Tipps berechnen\" einmal, nach der Glückszahl N; die Zahlenliste "
                   "(Chekcbox20) wird mit OK beantwortet, mit --list wird DATEI (.hlw) "
                   "geladen (Liste eingeschaltet) und \"&Rechnen\" gewählt",
                   true, runGenerate},
        CliCommand{"search", "[--threshold N]",
                   "Tippschein in der Ziehungsdatenbank suchen (jede Frage: Ja)", true, runSearch},
        CliCommand{"backtest", "[--seed N] [--chance]",
                   "Rückschau der Einstellungen ab dem Enddatum, Glückszahl N; --chance: "
                   "Vergleich mit dem Zufall",
                   true, runBacktest},
        CliCommand{"history", "[--threshold N]",
                   "Rückschau der Ziehungen ab dem Enddatum (jede Frage: Ja)", true, runHistory},
        CliCommand{"update", "[--host URL]",
                   "Ziehungen vom Ziehungsdienst laden (URL: Schema, Rechner, Port)", false,
                   runUpdate},
        CliCommand{"import", "DATEI [--replace]",
                   "Ziehungen aus einer CSV-Datei übernehmen (abweichende nur mit --replace)",
                   false, runImport},
        CliCommand{"export", "DATEI", "alle Ziehungen als CSV-Datei schreiben", true, runExport},
        CliCommand{"print", "", "den Tippausdruck Tipp.txt schreiben (\"Tipp ausdrucken\")", true,
                   runPrint},
        CliCommand{"submit",
                   "[--dry-run] [--klickwerk ORDNER] [--template DATEI] [--param NAME=WERT]... "
                   "[--script-server URL]",
                   "den Tipp an Klickwerk übergeben (Dialog mit OK beantwortet; NAME: ZAHL1, "
                   "ZAHL2, TEXT1, TEXT2)",
                   true, runSubmit},
    };
    return kCommands;
}

std::optional<std::string> takeOption(CommandArgs& args, const std::string& name) {
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return std::nullopt;
    if (std::next(it) == args.end())
        throw UsageError(name + " braucht einen Wert");
    std::string value = *std::next(it);
    args.erase(it, std::next(it, 2));
    return value;
}

void requireNoMoreArgs(const CommandArgs& args) {
    if (!args.empty())
        throw UsageError("unerwartetes Argument: " + args.front());
}

} // namespace kav::cli
