// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "QtHttpClient.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/InternetUpdate.h"
#include "draws/DrawServiceProtocol.h"

#include <QJsonArray>

namespace kav::cli {

int runUpdate(CliContext& ctx, const CommandLine& line) {
    requireNoArguments(line);
    UpdateParameters parameters; // without --host: the stored address
    if (const auto host = line.value("host")) {
        if (!normaliseServiceAddress(*host))
            throw UsageError("--host: keine Adresse wie " + std::string(kDefaultDrawServiceUrl) +
                             ": " + *host);
        parameters.serviceUrl = *host;
    }

    // Progress goes to a terminal only; scripts read a clean standard error.
    const bool progress = ctx.errIsTerminal;
    int requests = 0;
    if (progress)
        parameters.beforeRequest = [&](DayCount date) {
            ctx.err << "\rZiehungsdaten laden: " << formatShortDate(date) << " (" << ++requests
                    << ". Anfrage)" << std::flush;
        };

    Workspace& ws = ctx.ws;
    const DrawFile file = drawFileOf(ws.program);
    const FileLock lock = file.lock(); // from the seed draw to the last appended one
    // Without a draw (no file, an empty one, a fragment), as on the window's first start:
    // the seed draw, then every later draw up to today.
    switch (file.provideWithSeed()) {
    case DrawFile::Provided::Created:
        ws.drawWindow.endPicker.set(roundToDay(DrawRecord::seed().date));
        ctx.err << "kavanto-cli: " << file.path().string()
                << " mit der Ziehung vom 06.02.2005 angelegt\n";
        break;
    case DrawFile::Provided::Restored:
        ctx.err << "kavanto-cli: " << restoredBackupText(file) << '\n';
        break;
    case DrawFile::Provided::Present:
        break;
    }
    platform::QtHttpClient client;
    const UpdateResult result = updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow,
                                                   ws.run, ws.view, client, parameters);
    if (progress && requests > 0)
        ctx.err << '\n';

    if (ctx.json) {
        QJsonArray requested;
        for (const DayCount date : result.requested)
            requested.append(qs(formatCompactDate(date)));
        ctx.printJson({{"requested", requested},
                       {"added", result.added},
                       {"message", result.message ? QJsonValue(qs(*result.message))
                                                  : QJsonValue(QJsonValue::Null)}});
    } else {
        ctx.out << result.added << " Ziehung(en) neu, " << result.requested.size()
                << " Datum/Daten angefragt\n";
        if (result.message)
            ctx.out << *result.message << '\n';
    }
    const bool failed = result.end == UpdateEnd::Unreachable || result.end == UpdateEnd::Refusing ||
                        result.end == UpdateEnd::NoStart;
    return failed ? kExitFailure : kExitOk;
}

} // namespace kav::cli
