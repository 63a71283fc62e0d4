// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"

#include <algorithm>
#include <array>

namespace kav::cli {

std::span<const CliCommand> cliCommands() {
    static const std::array kCommands{
        CliCommand{"init", "", "create the draw file with the seed draw (only when missing)", false,
                   runInit},
        CliCommand{"draws", "", "list the draws of the draw file", false, runDraws},
        CliCommand{"add", "DATE N1 N2 N3 N4 N5 KEY",
                   "enter a draw by hand (appended, or replacing/inserted by date)", true, runAdd},
        CliCommand{"delete", "", "delete the current draw (the draw selected for --end)", true,
                   runDelete},
        CliCommand{"next", "", "step to the next draw", true, runNext},
        CliCommand{"previous", "", "step to the previous draw", true, runPrevious},
        CliCommand{"evaluate", "", "evaluate the tip sheet against the current draw", true,
                   runEvaluate},
        CliCommand{"save-sheet", "FILE", "save the tip sheet as a tip file (.hlt)", true,
                   runSaveSheet},
        CliCommand{"stats", "KIND",
                   "one statistic (numbers, overdue, sums, pairs, triples, quads, keys, "
                   "keys-overdue, sheet)",
                   true, runStats},
        CliCommand{"generate", "[--seed N]",
                   "\"Tipps berechnen\" once, after setting the lucky number N", true,
                   runGenerate},
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
