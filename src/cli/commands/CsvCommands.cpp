// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "commands/CsvTransfer.h"
#include "draws/DrawMerge.h"

#include <algorithm>

namespace kav::cli {
namespace {

// The one FILE argument of a command.
std::filesystem::path fileArgument(const char* command, const CommandArgs& args) {
    if (args.size() != 1 || args.front().rfind("--", 0) == 0)
        throw UsageError(std::string(command) + ": genau eine Datei erwartet");
    return args.front();
}

} // namespace

int runImport(CliContext& ctx, const CommandArgs& arguments) {
    CommandArgs args = arguments;
    const auto flag = std::find(args.begin(), args.end(), "--replace");
    const bool replace = flag != args.end();
    if (replace)
        args.erase(flag);
    const ImportCounts counts =
        importDrawsFromCsv(ctx.ws.program, ctx.ws.run, fileArgument("import", args),
                           replace ? ConflictChoice::Replace : ConflictChoice::Keep);
    if (ctx.json) {
        ctx.printJson({{"added", counts.added},
                       {"unchanged", counts.unchanged},
                       {"conflicts", counts.conflicts}});
    } else {
        ctx.out << counts.added << " neu, " << counts.unchanged << " unverändert, "
                << counts.conflicts << " abweichend";
        if (counts.conflicts > 0)
            ctx.out << (replace ? " (ersetzt)" : " (nicht übernommen; --replace ersetzt sie)");
        ctx.out << '\n';
    }
    return kExitOk;
}

int runExport(CliContext& ctx, const CommandArgs& args) {
    const ExportCounts counts = exportDrawsToCsv(ctx.ws.program, fileArgument("export", args));
    if (counts.skipped > 0)
        ctx.err << "kavanto-cli: " << counts.skipped
                << " beschädigte Ziehung(en) nicht exportiert\n";
    return kExitOk;
}

} // namespace kav::cli
