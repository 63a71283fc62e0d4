// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a CSV file of draws for the import: whatever the parser takes must be a
// proper draw (five distinct numbers 1..54, a key 0..9, a whole day from 06.02.2005 to
// today), the export of what it took reads back the same, and the merge into a stored
// history keeps every stored date and adds only new ones.
#include "FuzzWorkspace.h"

#include "draws/DrawCsv.h"
#include "draws/DrawMerge.h"

#include <algorithm>
#include <set>

namespace {

constexpr kav::DayCount kToday = 45444; // 01.06.2024

const std::vector<kav::DrawRecord>& storedDraws() {
    static const std::vector<kav::DrawRecord> stored = {
        kav::DrawRecord::make(38389.0, {1, 2, 3, 4, 5}, 0),
        kav::DrawRecord::make(45437.0, {7, 14, 21, 28, 35}, 4),
        kav::DrawRecord::make(45444.0, {50, 51, 52, 53, 54}, 9),
    };
    return stored;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    std::vector<kav::DrawRecord> draws;
    try {
        draws = kav::parseDrawCsv(kav::fuzz::asText(data, size), kToday);
    } catch (const kav::DrawCsvError& e) {
        require(e.lineNumber() >= 1);
        return 0;
    }
    for (const kav::DrawRecord& record : draws)
        require(!kav::drawProblem(record, kToday));
    require(kav::parseDrawCsv(kav::drawCsvText(draws), kToday) == draws);

    std::set<double> importedDates;
    for (const kav::DrawRecord& record : draws)
        importedDates.insert(record.date);
    for (const bool replace : {false, true}) {
        const kav::DrawMerge merge = kav::mergeDrawsByDate(storedDraws(), draws, replace);
        std::set<double> dates;
        for (const kav::DrawRecord& record : merge.records)
            dates.insert(record.date);
        for (const kav::DrawRecord& record : storedDraws())
            require(dates.count(record.date) == 1);
        require(merge.conflicts == static_cast<int>(merge.conflictDates.size()));
        require(static_cast<std::size_t>(merge.added + merge.unchanged + merge.conflicts) ==
                importedDates.size());
        require(std::is_sorted(merge.records.begin(), merge.records.end(),
                               [](const auto& a, const auto& b) { return a.date < b.date; }));
    }
    return 0;
}
