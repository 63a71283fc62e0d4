// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "draws/DrawNavigation.h"

namespace kav::cli {
namespace {

int step(CliContext& ctx, const CommandArgs& args, void (*button)(Workspace&)) {
    requireNoMoreArgs(args);
    button(ctx.ws);
    if (ctx.json)
        ctx.printJson({{"current", currentDrawJson(ctx.ws)}});
    else
        printCurrentDraw(ctx.out, ctx.ws);
    return kExitOk;
}

} // namespace

int runNext(CliContext& ctx, const CommandArgs& args) {
    return step(ctx, args, SpeedButton7Click);
}

int runPrevious(CliContext& ctx, const CommandArgs& args) {
    return step(ctx, args, SpeedButton6Click);
}

} // namespace kav::cli
