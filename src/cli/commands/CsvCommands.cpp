// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "commands/CsvTransfer.h"
#include "draws/DrawMerge.h"

#include <algorithm>

namespace kav::cli {
namespace {

// The one FILE argument of a command.
std::filesystem::path fileArgument(const char* command, const CommandLine& line) {
    const std::vector<std::string>& args = line.arguments();
    if (args.size() != 1)
        throw UsageError(std::string(command) + ": genau eine Datei erwartet");
    return args.front();
}

} // namespace

int runImport(CliContext& ctx, const CommandLine& line) {
    const bool replace = line.isSet("replace");
    const std::filesystem::path file = fileArgument("import", line);
    // A folder, a device or a FIFO is no CSV file (a missing file fails as a read error).
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && !std::filesystem::is_regular_file(file, ec))
        throw UsageError("import: " + file.string() +
                         " ist keine gewöhnliche Datei; erwartet wird eine CSV-Datei");
    const ImportCounts counts = importDrawsFromCsv(
        ctx.ws.program, ctx.ws.run, file, replace ? ConflictChoice::Replace : ConflictChoice::Keep);
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

int runExport(CliContext& ctx, const CommandLine& line) {
    const ExportCounts counts = exportDrawsToCsv(ctx.ws.program, fileArgument("export", line));
    if (counts.skipped > 0)
        ctx.err << "kavanto-cli: " << counts.skipped
                << " beschädigte Ziehung(en) nicht exportiert\n";
    return kExitOk;
}

} // namespace kav::cli
