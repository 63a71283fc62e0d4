// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "base/IntegerText.h"
#include "generator/TipCalculation.h"

#include <ostream>

namespace kav::cli {

// "Tipps berechnen" once. `--seed N` first sets the lucky number: the generator's seed
// becomes N's 32-bit pattern, so equal seeds, options and draw files give equal rows.
// Without it the seed is the one taken from the clock at start-up, as in the window.
int runGenerate(CliContext& ctx, const CommandArgs& arguments) {
    CommandArgs args = arguments;
    const std::optional<std::string> seedText = takeOption(args, "--seed");
    requireNoMoreArgs(args);
    if (seedText) {
        const std::optional<int> seed = parseInteger(*seedText);
        if (!seed)
            throw UsageError("--seed: keine ganze Zahl: " + *seedText);
        ctx.ws.random.setSeed(static_cast<std::uint32_t>(*seed));
    }
    const TipRunSummary summary = Label28Click(ctx.ws);
    if (ctx.json) {
        ctx.printJson({{"rows", rowsJson(ctx.ws)},
                       {"status", qs(ctx.ws.status.panel1)},
                       {"attempts", summary.attempts}});
        return kExitOk;
    }
    printSheet(ctx.out, ctx.ws);
    ctx.out << ctx.ws.status.panel1 << '\n' << "Versuche: " << summary.attempts << '\n';
    return kExitOk;
}

} // namespace kav::cli
