// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowEditor.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"

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

void TippEditClick(Workspace& ws, int row) {
    TipRowQuestion question;
    question.caption = std::to_string(row + 1) + "." + ws.messages.line(msg::EditTip);
    question.captionAfterwards = ws.messages.line(msg::ChooseNumbersCaption);
    question.marked = markedNumbersOfRow(ws.sheet, row);
    question.pickCount = kNumberCells;
    question.setup = numberListSetup(ws);
    if (const std::optional<NumberBoxes> boxes = ws.ui.editTipRow(question, ws.random))
        writeCheckedNumbers(ws.sheet, row, boxes->checkedNumbers());
}

} // namespace kav
