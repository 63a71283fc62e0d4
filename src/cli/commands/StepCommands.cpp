// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "commands/DrawNavigation.h"

namespace kav::cli {
namespace {

using DrawStep = void (*)(ProgramContext&, Ticket&, DrawWindow&, Presentation&,
                          const DrawSnapshot*);

int step(CliContext& ctx, const CommandLine& line, DrawStep button) {
    requireNoArguments(line);
    Workspace& ws = ctx.ws;
    button(ws.program, ws.ticket, ws.drawWindow, ws.view, nullptr);
    if (ctx.json)
        ctx.printJson({{"current", currentDrawJson(ctx.ws)}});
    else
        printCurrentDraw(ctx.out, ctx.ws);
    return kExitOk;
}

} // namespace

int runNext(CliContext& ctx, const CommandLine& line) {
    return step(ctx, line, SpeedButton7Click);
}

int runPrevious(CliContext& ctx, const CommandLine& line) {
    return step(ctx, line, SpeedButton6Click);
}

} // namespace kav::cli
