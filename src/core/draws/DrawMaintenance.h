// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/DrawRecord.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kav {

class Workspace;

// "Eingeben": opens the draw entry dialog on the draw dated on the end date (or the newest
// draw), and on OK stores the entered draw with its numbers in ascending order: appended
// when it is newer than every stored draw, otherwise merged into date order through the
// safe-write path, replacing a draw of the same date. The draw file's lock is taken after
// the dialog, and the entry goes into the file as it is then. Then the end date goes back
// to the draw the dialog was opened with (where the picker takes its date) and the current
// draw is selected for it.
// Throws IoError for a missing or empty draw file (nothing is written), for a failed
// write (the draw file stays as it was) and when another program holds the lock; refuses
// while the internet update runs. An answer whose five numbers are not distinct is refused
// with `repeatedNumberText` before anything changes.
void enterDraw(Workspace& ws);

// "Löschen": removes every draw dated like the current draw, without asking, by a rewrite
// through the safe-write path under the draw file's lock, then selects the current draw
// for the end date. Refuses while the internet update runs.
void deleteCurrentDraw(Workspace& ws);

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
