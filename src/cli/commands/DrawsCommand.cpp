// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"

namespace kav::cli {

int runDraws(CliContext& ctx, const CommandArgs& args) {
    requireNoMoreArgs(args);
    const DrawSnapshot draws = ctx.ws.readDraws();
    if (ctx.json)
        ctx.printJson({{"draws", drawsJson(draws)}});
    else
        printDraws(ctx.out, draws);
    return kExitOk;
}

} // namespace kav::cli
