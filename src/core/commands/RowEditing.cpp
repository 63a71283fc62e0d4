// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/RowEditing.h"

#include "commands/NumberListSetup.h"
#include "generator/RowEditor.h"

namespace kav {

void TippEditClick(ProgramContext& program, Ticket& ticket, RunState& run, int row) {
    TipRowQuestion question;
    question.caption = std::to_string(row + 1) + "." + program.messages.line(msg::EditTip);
    question.captionAfterwards = program.messages.line(msg::ChooseNumbersCaption);
    question.marked = markedNumbersOfRow(ticket.sheet, row);
    question.pickCount = TipSheet::kKeyColumn; // the five number cells
    question.setup = numberListSetup(program);
    if (const std::optional<NumberBoxes> boxes = program.ui.editTipRow(question, run.random))
        writeCheckedNumbers(ticket.sheet, row, boxes->checkedNumbers());
}

} // namespace kav
