// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowEditor.h"

#include "base/IntegerText.h"
#include "model/NumberBoxes.h"
#include "model/TipSheet.h"

namespace kav {
namespace {

constexpr int kNumberCells = 5;

} // namespace

std::vector<int> markedNumbersOfRow(const TipSheet& sheet, int row) {
    std::vector<int> numbers;
    for (int c = 0; c < kNumberCells; ++c) {
        const std::optional<int> n = parseInteger(sheet.cell(row, c));
        if (!n || *n < 1 || *n > kListNumbers)
            break;
        numbers.push_back(*n);
    }
    return numbers;
}

void writeCheckedNumbers(TipSheet& sheet, int row, const std::vector<int>& checked) {
    for (std::size_t c = 0; c < checked.size() && c < kNumberCells; ++c)
        sheet.setCell(row, static_cast<int>(c), std::to_string(checked[c]));
}

} // namespace kav
