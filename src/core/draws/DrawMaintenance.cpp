// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawMaintenance.h"

#include "base/DayCount.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kav {
namespace {} // namespace

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

} // namespace kav
