// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <filesystem>

namespace kav {

enum class ConflictChoice { Ask, Replace, Keep };

struct ImportCounts {
    int added = 0;
    int unchanged = 0;
    int conflicts = 0;
    bool conflictsReplaced = false;
};

// The CSV import: reads and checks the whole file first (a bad line fails the import
// with its line number and reason, and the draw file stays untouched), merges by date,
// asks about conflicts (or takes `choice`), then merges into the file as it is under the
// draw file's lock and writes it through the safe-write path. Works without a draw file
// (it is created). Refuses while the update runs.
ImportCounts importDrawsFromCsv(ProgramContext& program, const RunState& run,
                                const std::filesystem::path& file, ConflictChoice choice);

struct ExportCounts {
    int exported = 0;
    int skipped = 0; // damaged records, which no import would take back
};

// The CSV export of the draw file in file order (written atomically). Throws IoError.
ExportCounts exportDrawsToCsv(ProgramContext& program, const std::filesystem::path& file);

// "CSV importieren..." of the "Datenbank" page: the open dialog, the import with the
// question about conflicts, the counts in a message box, then the current draw selected
// again (the newest one when the import changed the file).
void importCsvCommand(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                      const RunState& run, Presentation& view);

// "CSV exportieren...": the save dialog and the export, with the count in a message box.
void exportCsvCommand(ProgramContext& program);

} // namespace kav
