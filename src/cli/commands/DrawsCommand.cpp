// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "commands/DrawReading.h"

namespace kav::cli {

void printDrawFile(CliContext& ctx) {
    const DrawSnapshot draws = readDrawFile(ctx.ws.program);
    if (ctx.json)
        ctx.printJson({{"draws", drawsJson(draws)}});
    else
        printDraws(ctx.out, draws);
}

int runDraws(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    printDrawFile(ctx);
    return kExitOk;
}

} // namespace kav::cli
