// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Printout.h"

#include "base/AtomicFile.h"
#include "base/Windows1252.h"
#include "output/TipPrintout.h"

namespace kav {

std::string BitBtn7Click(const ProgramContext& program, const Ticket& ticket,
                         const DrawWindow& drawWindow) {
    const std::string text =
        printoutText(makeTipPrintout(ticket.sheet, program.messages, drawWindow.current.date));
    const std::filesystem::path file = program.folder / kPrintoutFileName;
    writeFileAtomically(file, toWindows1252(text));
    program.ui.openDocument(file.string());
    return text;
}

} // namespace kav
