// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "commands/DrawEditing.h"
#include "draws/DrawMaintenance.h"

namespace kav::cli {

int runDelete(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    deleteCurrentDraw(ctx.ws.program, ctx.ws.ticket, ctx.ws.drawWindow, ctx.ws.run, ctx.ws.view);
    printDrawFile(ctx);
    return kExitOk;
}

} // namespace kav::cli
