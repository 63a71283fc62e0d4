// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "commands/TipFileCommands.h"
#include "evaluation/TipFile.h"

namespace kav::cli {

// Saves to FILE exactly as given: the save dialog answered with that name.
int runSaveSheet(CliContext& ctx, const CommandLine& line) {
    const std::vector<std::string>& args = line.arguments();
    if (args.size() != 1 || args.front().empty())
        throw UsageError("save-sheet: DATEI erwartet");
    ctx.ui.fileAnswer = std::filesystem::path(args.front());
    SpeedButton15Click(ctx.ws.program, ctx.ws.ticket, ctx.ws.drawWindow);
    return kExitOk;
}

} // namespace kav::cli
