// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace kav {

class TipSheet;

// The numbers the row editor marks for a row: the number cells in order, up to the first
// that is empty or names no box (1..54); later cells are not marked.
std::vector<int> markedNumbersOfRow(const TipSheet& sheet, int row);

// Writes the checked numbers in ascending order into the row's number cells, first cell
// first, until the last one is written: with fewer than five the remaining cells keep
// their texts, with more only the five lowest are written. The key cell is not touched.
void writeCheckedNumbers(TipSheet& sheet, int row, const std::vector<int>& checked);

} // namespace kav
