// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawRecord.h"

#include <filesystem>
#include <span>
#include <vector>

namespace kav {

// The draw file after merging imported draws into it by date. Counts are per date: a
// date not stored yet is added; a date stored with the same draws (the same numbers in
// any order and the same key) is unchanged; a date stored with other draws is a conflict.
struct DrawMerge {
    std::vector<DrawRecord> records; // the merged file, in date order
    int added = 0;
    int unchanged = 0;
    int conflicts = 0;
    std::vector<DayCount> conflictDates;
};

// Imported dates go in date order among the stored records, whose own order is kept.
// A conflict keeps the stored draws unless `replaceConflicts`.
DrawMerge mergeDrawsByDate(std::span<const DrawRecord> stored, std::span<const DrawRecord> imported,
                           bool replaceConflicts);

} // namespace kav
