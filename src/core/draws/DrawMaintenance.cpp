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
                      ": Die Datei enthält keine Ziehung.");
    const DrawRecord target = editTarget(snapshot, ws.endPicker.value);

    if (const std::optional<DrawRecord> answer = ws.ui.editDraw(target)) {
        const DrawRecord entry = enteredRecord(*answer);
        requireStorable(entry);
        const DrawFile file = ws.drawFile();
        if (entry.date > snapshot.records.back().date)
            file.append(entry);
        else
            file.replaceViaTemporary(DrawFile::kMergeTemporary,
                                     mergedRecords(snapshot.records, entry));
    }

    const DayCount targetDay = roundToDay(target.date);
    if (!ws.endPicker.set(targetDay))
        throw std::runtime_error("Das Datum " + formatShortDate(targetDay) +
                                 " liegt vor dem frühesten zulässigen Datum " +
                                 formatShortDate(ws.endPicker.minimum) + ".");
    SpeedButton5Click(ws);
}

void deleteCurrentDraw(Workspace& ws) {
    refuseWhileUpdating(ws);
    {
        BusyCursor busy(ws.ui);
        const DrawSnapshot snapshot = ws.readDraws();
        std::vector<DrawRecord> kept;
        kept.reserve(snapshot.size());
        std::copy_if(snapshot.records.begin(), snapshot.records.end(), std::back_inserter(kept),
                     [&](const DrawRecord& r) { return r.date != ws.current.date; });
        ws.drawFile().replaceViaTemporary(DrawFile::kDeleteTemporary, kept);
    }
    SpeedButton5Click(ws);
}

} // namespace kav
