// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"

#include <ostream>

namespace kav::cli {

int runInit(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    const DrawFile file = drawFileOf(ctx.ws.program);
    // An empty file or the fragment of a lost write holds no draw: it is replaced too.
    if (file.provideWithSeed() == DrawFile::Provided::Restored)
        ctx.err << "kavanto-cli: " << restoredBackupText(file) << '\n';
    const std::size_t count = readDrawFile(ctx.ws.program).size();
    if (ctx.json)
        ctx.printJson({{"draws", static_cast<qint64>(count)}});
    else
        ctx.out << file.path().string() << ": " << count << " Ziehung(en)\n";
    return kExitOk;
}

} // namespace kav::cli
