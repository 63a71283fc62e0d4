// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace kav {

class TipSheet;
class Workspace;

// The numbers the row editor marks for a row: the number cells in order, up to the first
// that is empty or names no box (1..54); later cells are not marked.
std::vector<int> markedNumbersOfRow(const TipSheet& sheet, int row);

// Writes the checked numbers in ascending order into the row's number cells, first cell
// first, until the last one is written: with fewer than five the remaining cells keep
// their texts, with more only the five lowest are written. The key cell is not touched.
void writeCheckedNumbers(TipSheet& sheet, int row, const std::vector<int>& checked);

// The editor buttons `Tipp1Edit`..`Tipp12Edit` (row 0..11): the number list dialog with
// the caption "r." and message 51 "Tipp bearbeiten", the row's numbers checked and yellow
// and the random animation for five picks. OK writes the dialog's numbers into the row.
void TippEditClick(Workspace& ws, int row);

} // namespace kav
