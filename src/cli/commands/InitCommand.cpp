// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "evaluation/DrawSelection.h"

#include <ostream>

namespace kav::cli {

int runInit(CliContext& ctx, const CommandArgs& args) {
    requireNoMoreArgs(args);
    const DrawFile file = ctx.ws.drawFile();
    // An empty file or the fragment of a lost write holds no draw: it is replaced too.
    if (file.provideWithSeed() == DrawFile::Provided::Restored)
        ctx.err << "kavanto-cli: " << restoredBackupText(file) << '\n';
    const std::size_t count = ctx.ws.readDraws().size();
    if (ctx.json)
        ctx.printJson({{"draws", static_cast<qint64>(count)}});
    else
        ctx.out << file.path().string() << ": " << count << " Ziehung(en)\n";
    return kExitOk;
}

} // namespace kav::cli
