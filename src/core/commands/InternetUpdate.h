// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "base/HttpClient.h"
#include "draws/DrawFile.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kav {

struct UpdateParameters {
    std::string serviceUrl; // scheme://host[:port]; empty: the address of the settings
    int timeoutMs = 5000;   // for connecting and for each wait for data
    int deadlineMs = 15000; // for a whole answer, however slowly it comes
    std::size_t maxBodyBytes = std::size_t{1} << 20; // a larger answer counts as an error
    // Connection failures in a row (no connection or a time-out) that end the update, and
    // likewise answers that are no answer (an error status, too large, too many draws).
    int unreachableLimit = 3;
    // Called before each request, after status panel 0 says "Loading": the window shows
    // its state, the command-line tool its progress.
    std::function<void(DayCount date)> beforeRequest;
};

enum class UpdateEnd {
    PassedToday, // every date up to today was requested
    Stopped,     // the stop button, or the request was cancelled (the window closes)
    Message,     // the service sent a "Mitteilung"
    Unreachable, // the service did not answer several times in a row
    Refusing,    // the service answered with errors several times in a row
    NoStart,     // the newest stored draw's date is no draw date: nothing was requested
    Busy,        // an update was already running; nothing happened
};

struct UpdateResult {
    std::vector<DayCount> requested;    // in request order
    int added = 0;                      // records appended
    std::optional<std::string> message; // the "Mitteilung" body, UTF-8
    UpdateEnd end = UpdateEnd::PassedToday;
};

// The internet update behind "&Datenbank aktualisieren", the tip page's update button and
// "&Ziehungsdaten laden": asks the draw-data service for one date after the other, from
// one date step after the newest stored draw (or after the end date when the file is
// empty) up to today, and appends one record per draw line received. While it runs the
// update buttons are disabled, the stop button shows, the draw file's other writers
// refuse (in another process they wait for its lock, then report), the records it
// appends reach the disk before it returns, and the window stays responsive (the client keeps it so
// during a request, processPendingInput between requests). It ends when the dates pass today, the
// stop button is clicked (before the next request), the service sends a "Mitteilung" (shown as
// plain text), or the service could not be reached `unreachableLimit` times in a row (told to the
// user with the ways to get draws); it then selects the newest draw and evaluates the sheet. Throws
// IoError for a failed file operation and runtime_error for a proxy port that is not a port number
// or an unusable service address, each after the idle state is back (buttons enabled, stop button
// hidden, file closed).
UpdateResult updateDrawDatabase(ProgramContext& program, const Options& options, Ticket& ticket,
                                DrawWindow& drawWindow, RunState& run, Presentation& view,
                                HttpClient& client, const UpdateParameters& parameters);

// "Datenbank neu anlegen": asks (message lines 3, 4, 5 with the end date), then rebuilds
// the draw file by the update from the end date on, holding the draw file's lock
// throughout. The old file is kept as a backup until the new one holds at least one draw:
// when the update brings none, it comes back and the user is told (and a rebuild cut off
// by a crash gets it back from DrawFile::provideWithSeed at the next start). Does nothing
// while an update runs.
void rebuildDrawDatabase(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                         const RunState& run, Presentation& view);

// The name of the rebuild's backup in the program folder.
inline constexpr const char* kRebuildBackupName = DrawFile::kBackupName;

// The draw file's writers (entry, deletion, import) call this first: while the update
// holds the file open they refuse with a message (runtime_error).
void refuseWhileUpdating(const RunState& run);

} // namespace kav
