// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "draws/DrawRecord.h"

#include <filesystem>
#include <span>
#include <vector>

namespace kav {

class Workspace;

// The draw file after merging imported draws into it by date. Counts are per date: a
// date not stored yet is added; a date stored with the same draws (the same numbers in
// any order and the same key) is unchanged; a date stored with other draws is a conflict.
struct DrawMerge {
    std::vector<DrawRecord> records; // the merged file, in date order
    int added = 0;
    int unchanged = 0;
    int conflicts = 0;
    std::vector<DayCount> conflictDates;
};

// Imported dates go in date order among the stored records, whose own order is kept.
// A conflict keeps the stored draws unless `replaceConflicts`.
DrawMerge mergeDrawsByDate(std::span<const DrawRecord> stored, std::span<const DrawRecord> imported,
                           bool replaceConflicts);

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
ImportCounts importDrawsFromCsv(Workspace& ws, const std::filesystem::path& file,
                                ConflictChoice choice);

struct ExportCounts {
    int exported = 0;
    int skipped = 0; // damaged records, which no import would take back
};

// The CSV export of the draw file in file order (written atomically). Throws IoError.
ExportCounts exportDrawsToCsv(Workspace& ws, const std::filesystem::path& file);

// "CSV importieren..." of the "Datenbank" page: the open dialog, the import with the
// question about conflicts, the counts in a message box, then the current draw selected
// again (the newest one when the import changed the file).
void importCsvCommand(Workspace& ws);

// "CSV exportieren...": the save dialog and the export, with the count in a message box.
void exportCsvCommand(Workspace& ws);

} // namespace kav
