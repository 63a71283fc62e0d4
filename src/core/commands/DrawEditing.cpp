// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawEditing.h"

#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/InternetUpdate.h"
#include "draws/DrawDates.h"
#include "draws/DrawMaintenance.h"
#include "model/BusyCursor.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kav {
namespace {

// The draw the entry dialog is opened with: the first one dated on the end date, or the
// newest one when none is.
const DrawRecord& editTarget(const DrawSnapshot& snapshot, DayCount endDate) {
    const auto& records = snapshot.records;
    const auto found = std::find_if(records.begin(), records.end(), [&](const DrawRecord& r) {
        return r.date == static_cast<double>(endDate);
    });
    return found != records.end() ? *found : records.back();
}

void requireStorable(const DrawRecord& record) {
    if (!std::isfinite(record.date) || !record.isValid())
        throw std::runtime_error("Die eingegebene Ziehung ist ungültig: Zahlen 1 bis 54, "
                                 "Nº Clave 0 bis 9.");
    if (const std::optional<int> repeated = repeatedNumber(record))
        throw std::runtime_error(repeatedNumberText(*repeated));
}

} // namespace

void enterDraw(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow, const RunState& run,
               Presentation& view) {
    refuseWhileUpdating(run);
    const DrawSnapshot snapshot = readDrawFile(program);
    if (snapshot.empty())
        throw IoError(ioErrorText("Lesen", drawFileOf(program).path(), 0) +
                      ": Die Datei enthält keine Ziehung. Laden Sie zuerst Ziehungen "
                      "(\"Datenbank aktualisieren\", \"CSV importieren...\" oder "
                      "kavanto-cli init).");
    const DrawRecord target = editTarget(snapshot, drawWindow.endPicker.value);

    if (const std::optional<DrawRecord> answer = program.ui.editDraw(target)) {
        const DrawRecord entry = enteredRecord(*answer);
        requireStorable(entry);
        // The dialog ran without the lock; the file as it is now is what the entry goes
        // into, so a draw another writer stored meanwhile stays.
        const DrawFile file = drawFileOf(program);
        const FileLock lock = file.lock();
        const DrawSnapshot current = file.readAll();
        // Appended only after the newest draw, wherever that stands in the file; anything
        // else goes into date order.
        const std::optional<double> newest = examineDrawDates(current, program.today()).newest;
        if (current.empty() || (newest && entry.date > *newest))
            file.append(entry);
        else
            file.replace(mergedRecords(current.records, entry));
    }

    // Back to the draw the dialog was opened with. A date the picker refuses (a stored
    // draw dated before its first date, a damaged one) leaves the end date where it is:
    // the entry is stored, and that is no failure.
    drawWindow.endPicker.set(roundToDay(target.date));
    SpeedButton5Click(program, ticket, drawWindow, view);
}

void deleteCurrentDraw(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       const RunState& run, Presentation& view) {
    refuseWhileUpdating(run);
    {
        BusyCursor busy(program.ui);
        const DrawFile file = drawFileOf(program);
        const FileLock lock = file.lock();
        const DrawSnapshot snapshot = readDrawFile(program);
        std::vector<DrawRecord> kept;
        kept.reserve(snapshot.size());
        std::copy_if(snapshot.records.begin(), snapshot.records.end(), std::back_inserter(kept),
                     [&](const DrawRecord& r) {
                         // A damaged date that is no number (NaN) equals nothing, itself
                         // included; the draw shown with it goes all the same.
                         const double shown = drawWindow.current.date;
                         return !(r.date == shown || (std::isnan(r.date) && std::isnan(shown)));
                     });
        file.replace(kept);
    }
    SpeedButton5Click(program, ticket, drawWindow, view);
}

} // namespace kav
