// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "commands/Printout.h"
#include "output/TipPrintout.h"

#include <ostream>

namespace kav::cli {

// "Tipp ausdrucken": writes "Tipp.txt" in the program folder; the tool opens nothing.
int runPrint(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    const std::string text = BitBtn7Click(ctx.ws.program, ctx.ws.ticket, ctx.ws.drawWindow);
    if (ctx.json) {
        ctx.printJson({{"text", qs(text)}});
        return kExitOk;
    }
    std::string readable = text;
    std::erase(readable, '\r');
    ctx.out << readable;
    return kExitOk;
}

} // namespace kav::cli
