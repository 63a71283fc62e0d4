// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kav {

enum class CellColour { Window, Lime };

// Position of a cell on the sheet: row 0..11 (sheet order), column 0..4 the number
// cells, column 5 the key cell.
struct CellPosition {
    int row;
    int column;
};

// The design names of one sheet row's controls.
struct SheetRowNames {
    std::array<int, 6> edits; // `EditN` numbers: five number cells, then the key cell
    const char* rowLabel;     // click toggles the lock
    const char* hitsLabel;
    const char* sumLabel;
    const char* editorButton;
};

// The ticket: twelve rows of five number cells (1..54) and one key cell (0..9), held as
// the texts the cells show. Every assignment is validated like typed text, so a cell
// only ever holds "" or a plain decimal number of its range.
class TipSheet {
public:
    static constexpr int kRows = 12;
    static constexpr int kColumns = 6;
    static constexpr int kKeyColumn = 5;

    static const std::array<SheetRowNames, kRows>& rowNames();
    static int editNumber(int row, int column);
    // The cell an `EditN` number names, if it is one of the 72 sheet cells.
    static std::optional<CellPosition> cellOfEdit(int editNumber);

    const std::string& cell(int row, int column) const { return at(row, column).text; }
    void setCell(int row, int column, std::string_view text);

    CellColour colour(int row, int column) const { return at(row, column).colour; }
    void setColour(int row, int column, CellColour c) { at(row, column).colour = c; }

    bool locked(int row) const { return rows_[idx(row)].locked; }
    void setLocked(int row, bool locked) { rows_[idx(row)].locked = locked; }
    void toggleLock(int row) { rows_[idx(row)].locked = !rows_[idx(row)].locked; }

    const std::string& hits(int row) const { return rows_[idx(row)].hits; }
    bool hitsRed(int row) const { return rows_[idx(row)].hitsRed; }
    void setHits(int row, std::string text, bool red);
    const std::string& sum(int row) const { return rows_[idx(row)].sum; }
    void setSum(int row, std::string text) { rows_[idx(row)].sum = std::move(text); }

    // Empties a row's six cells with the window colour and both labels.
    void clearRow(int row);
    // "Löschen aller Tipps": clears every row that is not locked.
    void clearUnlocked();

private:
    struct Cell {
        std::string text;
        CellColour colour = CellColour::Window;
    };
    struct Row {
        std::array<Cell, kColumns> cells;
        bool locked = false;
        std::string hits;
        bool hitsRed = false;
        std::string sum;
    };
    static std::size_t idx(int row) { return static_cast<std::size_t>(row); }
    Cell& at(int row, int column) {
        return rows_[idx(row)].cells[static_cast<std::size_t>(column)];
    }
    const Cell& at(int row, int column) const {
        return rows_[idx(row)].cells[static_cast<std::size_t>(column)];
    }

    std::array<Row, kRows> rows_;
};

// The cell validation: a text that converts to an integer is written back in plain
// decimal form; a text that does not, or a value outside 1..54 (0..9 for a key cell),
// leaves the cell empty.
std::string validatedCellText(std::string_view text, bool keyCell);

} // namespace kav
