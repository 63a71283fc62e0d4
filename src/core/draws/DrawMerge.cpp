// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawMerge.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace kav {
namespace {

// A draw as a comparable value: its numbers sorted, then its key.
std::array<int, kNumbersPerDraw + 1> drawValue(const DrawRecord& record) {
    std::array<int, kNumbersPerDraw + 1> value{};
    for (int i = 0; i < kNumbersPerDraw; ++i)
        value[static_cast<std::size_t>(i)] = record.number(i);
    std::sort(value.begin(), value.begin() + kNumbersPerDraw);
    value[kNumbersPerDraw] = record.key();
    return value;
}

bool sameDraws(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b) {
    if (a.size() != b.size())
        return false;
    std::vector<std::array<int, kNumbersPerDraw + 1>> left, right;
    for (const DrawRecord& r : a)
        left.push_back(drawValue(r));
    for (const DrawRecord& r : b)
        right.push_back(drawValue(r));
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    return left == right;
}

} // namespace

DrawMerge mergeDrawsByDate(std::span<const DrawRecord> stored, std::span<const DrawRecord> imported,
                           bool replaceConflicts) {
    // Imported dates are whole days (the parser made sure); stored ones may be damaged.
    std::map<double, std::vector<DrawRecord>> incoming;
    for (const DrawRecord& record : imported)
        incoming[record.date].push_back(record);
    std::map<double, std::vector<DrawRecord>> storedOnDate;
    for (const DrawRecord& record : stored)
        if (std::isfinite(record.date) && incoming.count(record.date))
            storedOnDate[record.date].push_back(record);

    DrawMerge merge;
    std::map<double, bool> replaced; // conflict dates taken from the file
    std::vector<const std::vector<DrawRecord>*> toAdd;
    for (const auto& [date, draws] : incoming) {
        const auto found = storedOnDate.find(date);
        if (found == storedOnDate.end()) {
            ++merge.added;
            toAdd.push_back(&draws);
        } else if (sameDraws(found->second, draws)) {
            ++merge.unchanged;
        } else {
            ++merge.conflicts;
            merge.conflictDates.push_back(static_cast<DayCount>(date));
            if (replaceConflicts)
                replaced[date] = false;
        }
    }

    merge.records.reserve(stored.size() + imported.size());
    auto next = toAdd.begin();
    const auto addUpTo = [&](double date) {
        for (; next != toAdd.end() && (*next)->front().date < date; ++next)
            merge.records.insert(merge.records.end(), (*next)->begin(), (*next)->end());
    };
    for (const DrawRecord& record : stored) {
        addUpTo(record.date);
        const auto replacement =
            std::isfinite(record.date) ? replaced.find(record.date) : replaced.end();
        if (replacement == replaced.end()) {
            merge.records.push_back(record);
        } else if (!replacement->second) {
            replacement->second = true;
            const auto& draws = incoming.at(record.date);
            merge.records.insert(merge.records.end(), draws.begin(), draws.end());
        }
    }
    for (; next != toAdd.end(); ++next)
        merge.records.insert(merge.records.end(), (*next)->begin(), (*next)->end());
    return merge;
}

} // namespace kav
