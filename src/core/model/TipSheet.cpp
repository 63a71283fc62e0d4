// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TipSheet.h"

#include "base/IntegerText.h"

namespace kav {
namespace {

constexpr std::array<SheetRowNames, TipSheet::kRows> kRowNames{{
    {{1, 2, 3, 4, 5, 6}, "Label28", "Label22", "Label36", "Tipp1Edit"},
    {{7, 8, 9, 10, 11, 12}, "Label30", "Label23", "Label37", "Tipp2Edit"},
    {{13, 14, 15, 16, 17, 18}, "Label31", "Label24", "Label38", "Tipp3Edit"},
    {{19, 20, 21, 22, 23, 24}, "Label32", "Label25", "Label39", "Tipp4Edit"},
    {{25, 26, 27, 28, 29, 30}, "Label33", "Label26", "Label40", "Tipp5Edit"},
    {{31, 32, 33, 34, 35, 36}, "Label34", "Label27", "Label41", "Tipp6Edit"},
    {{43, 44, 45, 46, 47, 48}, "Label46", "Label45", "Label49", "Tipp7Edit"},
    {{49, 50, 51, 52, 53, 54}, "Label48", "Label47", "Label50", "Tipp8Edit"},
    {{56, 57, 58, 59, 60, 61}, "Label62", "Label65", "Label67", "Tipp9Edit"},
    {{62, 63, 64, 65, 66, 67}, "Label61", "Label66", "Label68", "Tipp10Edit"},
    {{68, 69, 70, 71, 72, 73}, "Label63", "Label69", "Label71", "Tipp11Edit"},
    {{74, 75, 76, 77, 78, 79}, "Label64", "Label70", "Label72", "Tipp12Edit"},
}};
// The edit numbers ascend through the table.
constexpr int kHighestEditNumber = kRowNames.back().edits.back();

} // namespace

const std::array<SheetRowNames, TipSheet::kRows>& TipSheet::rowNames() {
    return kRowNames;
}

int TipSheet::editNumber(int row, int column) {
    return kRowNames[idx(row)].edits[static_cast<std::size_t>(column)];
}

std::optional<CellPosition> TipSheet::cellOfEdit(int editNumber) {
    // The inverse of the edit numbers above, so that loading and saving the settings,
    // which ask for all of them, do not search the table for each.
    static constexpr auto kCellOfEdit = [] {
        std::array<std::optional<CellPosition>, kHighestEditNumber + 1> cells{};
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                cells[static_cast<std::size_t>(
                    kRowNames[static_cast<std::size_t>(r)].edits[static_cast<std::size_t>(c)])] =
                    CellPosition{r, c};
        return cells;
    }();
    if (editNumber < 0 || editNumber > kHighestEditNumber)
        return std::nullopt;
    return kCellOfEdit[static_cast<std::size_t>(editNumber)];
}

void TipSheet::setCell(int row, int column, std::string_view text) {
    at(row, column).text = validatedCellText(text, column == kKeyColumn);
}

void TipSheet::setHits(int row, std::string text, bool red) {
    rows_[idx(row)].hits = std::move(text);
    rows_[idx(row)].hitsRed = red;
}

void TipSheet::clearRow(int row) {
    Row& r = rows_[idx(row)];
    for (Cell& c : r.cells)
        c = Cell{};
    r.hits.clear();
    r.hitsRed = false;
    r.sum.clear();
}

void TipSheet::clearUnlocked() {
    for (int r = 0; r < kRows; ++r)
        if (!locked(r))
            clearRow(r);
}

std::string validatedCellText(std::string_view text, bool keyCell) {
    const std::optional<int> value = parseInteger(text);
    if (!value)
        return {};
    const int low = keyCell ? 0 : 1;
    const int high = keyCell ? 9 : 54;
    if (*value < low || *value > high)
        return {};
    return std::to_string(*value);
}

} // namespace kav
