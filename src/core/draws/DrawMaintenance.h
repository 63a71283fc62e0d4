// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawRecord.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kav {

// The record the entry dialog's answer is stored as: its date, its numbers sorted
// ascending, its key number, zero in both reserved bytes.
DrawRecord enteredRecord(const DrawRecord& answer);

// The smallest number that `draw` holds more than once; nullopt when its five numbers are
// distinct. Such a draw would count as a win for every row holding that number.
std::optional<int> repeatedNumber(const DrawRecord& draw);
// The message that refuses an entry holding `number` more than once.
std::string repeatedNumberText(int number);

// `records` with `entry` placed before the first record not dated before it; records dated
// exactly like `entry` are left out, so it replaces them.
std::vector<DrawRecord> mergedRecords(std::span<const DrawRecord> records, const DrawRecord& entry);

} // namespace kav
