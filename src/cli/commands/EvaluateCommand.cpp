// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "commands/SheetEvaluation.h"

#include <ostream>

namespace kav::cli {
namespace {

// [[c0,c1,c2] x 6]: rows by matched numbers, columns without key hit, with key hit, unused.
QJsonArray hitClassesJson(const HitClassTable& table) {
    QJsonArray classes;
    for (const auto& counters : table) {
        QJsonArray row;
        for (const std::int32_t count : counters)
            row.append(count);
        classes.append(row);
    }
    return classes;
}

void printHitClasses(std::ostream& out, const HitClassTable& table) {
    out << "Treffer  ohne R  mit R\n";
    for (std::size_t hits = 0; hits < table.size(); ++hits)
        out << "      " << hits << "  " << table[hits][0] << "  " << table[hits][1] << '\n';
}

} // namespace

int runEvaluate(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    Komplettcheck(ctx.ws.program, ctx.ws.ticket, ctx.ws.drawWindow);
    if (ctx.json) {
        ctx.printJson({{"current", currentDrawJson(ctx.ws)},
                       {"rows", rowsJson(ctx.ws)},
                       {"classes", hitClassesJson(ctx.ws.ticket.hitClasses)}});
        return kExitOk;
    }
    printCurrentDraw(ctx.out, ctx.ws);
    printSheet(ctx.out, ctx.ws);
    printHitClasses(ctx.out, ctx.ws.ticket.hitClasses);
    return kExitOk;
}

} // namespace kav::cli
