// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawMaintenance.h"

#include "app/BusyCursor.h"
#include "app/Workspace.h"
#include "base/DayCount.h"
#include "draws/InternetUpdate.h"
#include "evaluation/DrawSelection.h"

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

std::optional<int> repeatedNumber(const DrawRecord& draw) {
    std::array<int, kNumbersPerDraw> numbers{};
    for (int i = 0; i < kNumbersPerDraw; ++i)
        numbers[static_cast<std::size_t>(i)] = draw.number(i);
    std::sort(numbers.begin(), numbers.end());
    const auto twice = std::adjacent_find(numbers.begin(), numbers.end());
    if (twice == numbers.end())
        return std::nullopt;
    return *twice;
}

std::string repeatedNumberText(int number) {
    return "Die Zahl " + std::to_string(number) +
           " ist mehrfach eingegeben. Eine Ziehung besteht aus fünf verschiedenen Zahlen.";
}

DrawRecord enteredRecord(const DrawRecord& answer) {
    std::array<int, kNumbersPerDraw> numbers{};
    for (int i = 0; i < kNumbersPerDraw; ++i)
        numbers[static_cast<std::size_t>(i)] = answer.number(i);
    std::sort(numbers.begin(), numbers.end());
    return DrawRecord::make(static_cast<double>(roundToDay(answer.date)), numbers, answer.key());
}

std::vector<DrawRecord> mergedRecords(std::span<const DrawRecord> records,
                                      const DrawRecord& entry) {
    std::vector<DrawRecord> merged;
    merged.reserve(records.size() + 1);
    bool placed = false;
    for (const DrawRecord& record : records) {
        if (!placed && !(record.date < entry.date)) {
            merged.push_back(entry);
            placed = true;
        }
        if (record.date != entry.date)
            merged.push_back(record);
    }
    // Only a damaged newest date (NaN) lets the entry pass every record; it must not be lost.
    if (!placed)
        merged.push_back(entry);
    return merged;
}

void enterDraw(Workspace& ws) {
    refuseWhileUpdating(ws);
    const DrawSnapshot snapshot = ws.readDraws();
    if (snapshot.empty())
        throw IoError(ioErrorText("Lesen", ws.drawFile().path(), 0) +
                      ": Die Datei enthält keine Ziehung. Laden Sie zuerst Ziehungen "
                      "(\"Datenbank aktualisieren\", \"CSV importieren...\" oder "
                      "kavanto-cli init).");
    const DrawRecord target = editTarget(snapshot, ws.endPicker.value);

    if (const std::optional<DrawRecord> answer = ws.ui.editDraw(target)) {
        const DrawRecord entry = enteredRecord(*answer);
        requireStorable(entry);
        // The dialog ran without the lock; the file as it is now is what the entry goes
        // into, so a draw another writer stored meanwhile stays.
        const DrawFile file = ws.drawFile();
        const FileLock lock = file.lock();
        const DrawSnapshot current = file.readAll();
        if (current.empty() || entry.date > current.records.back().date)
            file.append(entry);
        else
            file.replace(mergedRecords(current.records, entry));
    }

    // Back to the draw the dialog was opened with. A date the picker refuses (a stored
    // draw dated before its first date, a damaged one) leaves the end date where it is:
    // the entry is stored, and that is no failure.
    ws.endPicker.set(roundToDay(target.date));
    SpeedButton5Click(ws);
}

void deleteCurrentDraw(Workspace& ws) {
    refuseWhileUpdating(ws);
    {
        BusyCursor busy(ws.ui);
        const DrawFile file = ws.drawFile();
        const FileLock lock = file.lock();
        const DrawSnapshot snapshot = ws.readDraws();
        std::vector<DrawRecord> kept;
        kept.reserve(snapshot.size());
        std::copy_if(snapshot.records.begin(), snapshot.records.end(), std::back_inserter(kept),
                     [&](const DrawRecord& r) { return r.date != ws.current.date; });
        file.replace(kept);
    }
    SpeedButton5Click(ws);
}

} // namespace kav
