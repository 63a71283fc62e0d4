// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TipFileCommands.h"

#include "commands/DrawSelection.h"
#include "evaluation/TipFile.h"

namespace kav {
namespace {

FileDialogRequest tipFileDialog(const ProgramContext& program, std::string proposedName) {
    return {program.folder, std::move(proposedName), kTipFileFilter, kTipFileExtension};
}

} // namespace

void SpeedButton15Click(const ProgramContext& program, const Ticket& ticket,
                        const DrawWindow& drawWindow) {
    const auto proposed = proposedTipFileName(drawWindow.endPicker.value);
    if (const auto path = program.ui.chooseSaveFile(tipFileDialog(program, proposed)))
        saveTipFile(ticket.sheet, *path);
}

void SpeedButton16Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                        Presentation& view) {
    if (const auto path = program.ui.chooseOpenFile(tipFileDialog(program, "")))
        loadTipFile(ticket.sheet, *path);
    SpeedButton5Click(program, ticket, drawWindow, view);
}

} // namespace kav
