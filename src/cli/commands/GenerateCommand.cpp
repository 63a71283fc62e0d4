// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "ProgramLocations.h"
#include "base/IntegerText.h"
#include "commands/LuckyNumber.h"
#include "commands/TipCalculation.h"
#include "generator/NumberList.h"
#include "model/Controls.h"

#include <ostream>

namespace kav::cli {
namespace {

// `--list FILE`: the list as the dialog's load button reads it. A file that cannot be read
// or is no list is bad input to the tool.
NumberBoxes readListOption(const std::string& file) {
    try {
        return loadNumberList(NumberBoxes{}, kListNumbers, file);
    } catch (const std::exception& e) {
        throw UsageError(std::string("--list: ") + e.what());
    }
}

} // namespace

// "Tipps berechnen" once. `--seed N` first sets the lucky number: the generator's seed
// becomes N's 32-bit pattern, so equal seeds, options and draw files give equal rows.
// Without it the seed is the one taken from the clock at start-up, as in the window.
// With `CheckBox20` on, the number list dialog is answered OK; `--list FILE` switches it on,
// loads FILE into it and answers "&Rechnen".
int runGenerate(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    const std::optional<std::string> seedText = line.value("seed");
    const std::optional<std::string> listFile = line.value("list");
    if (listFile) {
        ctx.ui.poolListAnswer = readListOption(*listFile);
        ctx.ws.options.setChecked(CheckBox::ShowNumberList, true);
    }
    if (seedText) {
        if (!parseInteger(*seedText))
            throw UsageError("--seed: keine ganze Zahl: " + *seedText);
        ctx.ui.textAnswer = *seedText;
        SpeedButton13Click(ctx.ws.program, ctx.ws.run, ctx.ws.view, platform::clockSeed);
        ctx.ui.textAnswer.reset();
    }
    const TipRunSummary summary = Label28Click(ctx.ws.program, ctx.ws.options, ctx.ws.ticket,
                                               ctx.ws.drawWindow, ctx.ws.run, ctx.ws.view);
    if (ctx.json) {
        ctx.printJson({{"rows", rowsJson(ctx.ws)},
                       {"status", qs(ctx.ws.view.status.panel1)},
                       {"attempts", summary.attempts}});
        return kExitOk;
    }
    printSheet(ctx.out, ctx.ws);
    ctx.out << ctx.ws.view.status.panel1 << '\n' << "Versuche: " << summary.attempts << '\n';
    return kExitOk;
}

} // namespace kav::cli
