// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "draws/DrawMaintenance.h"

namespace kav::cli {

int runDelete(CliContext& ctx, const CommandArgs& args) {
    requireNoMoreArgs(args);
    deleteCurrentDraw(ctx.ws);
    printDrawFile(ctx);
    return kExitOk;
}

} // namespace kav::cli
