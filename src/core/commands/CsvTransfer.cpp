// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/CsvTransfer.h"

#include "base/AtomicFile.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/InternetUpdate.h"
#include "draws/DrawCsv.h"
#include "draws/DrawMerge.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kav {
namespace {

constexpr const char* kCsvFilter = "CSV-Dateien|*.csv;*.txt|Alle Dateien|*";
constexpr const char* kImportCaption = "Ziehungen importieren";
constexpr const char* kExportCaption = "Ziehungen exportieren";

std::string conflictQuestion(const DrawMerge& merge) {
    std::string dates;
    const std::size_t shown = std::min<std::size_t>(merge.conflictDates.size(), 10);
    for (std::size_t i = 0; i < shown; ++i)
        dates += (i ? ", " : "") + formatShortDate(merge.conflictDates[i]);
    if (merge.conflictDates.size() > shown)
        dates += ", ...";
    return std::to_string(merge.conflicts) +
           " Ziehung(en) der Datei weichen von den gespeicherten ab (" + dates +
           ").\n\nSollen die gespeicherten Ziehungen dieser Tage durch die aus der Datei "
           "ersetzt werden? Mit \"Nein\" bleiben sie, wie sie sind; die übrigen Ziehungen "
           "werden in jedem Fall übernommen.";
}

} // namespace

ImportCounts importDrawsFromCsv(ProgramContext& program, const RunState& run,
                                const std::filesystem::path& file, ConflictChoice choice) {
    refuseWhileUpdating(run);
    std::vector<DrawRecord> imported;
    try {
        imported = readDrawCsvFile(file, program.today());
    } catch (const DrawCsvError& e) {
        throw std::runtime_error("Die Datei " + file.string() +
                                 " enthält eine Zeile, die keine Ziehung ist. " + e.what() +
                                 ". Es wurde nichts importiert.");
    }
    const DrawFile drawFile = drawFileOf(program);
    const auto storedDraws = [&] {
        return drawFile.exists() ? readDrawFile(program).records : std::vector<DrawRecord>{};
    };

    bool replace = choice == ConflictChoice::Replace;
    if (choice == ConflictChoice::Ask) {
        // Asked without the lock, so no other writer waits for the user's answer.
        const DrawMerge preview = mergeDrawsByDate(storedDraws(), imported, false);
        replace =
            preview.conflicts > 0 && program.ui.askYesNo(conflictQuestion(preview), kImportCaption);
    }
    // The merge goes into the file as it is under the lock; the counts are those of that
    // merge (the same whether conflicts are replaced or kept).
    const FileLock lock = drawFile.lock();
    const DrawMerge merge = mergeDrawsByDate(storedDraws(), imported, replace);
    const ImportCounts counts{merge.added, merge.unchanged, merge.conflicts,
                              replace && merge.conflicts > 0};
    if (counts.added > 0 || counts.conflictsReplaced)
        drawFile.replace(merge.records);
    return counts;
}

ExportCounts exportDrawsToCsv(ProgramContext& program, const std::filesystem::path& file) {
    const DrawSnapshot snapshot = readDrawFile(program);
    std::vector<DrawRecord> good;
    good.reserve(snapshot.size());
    ExportCounts counts;
    for (const DrawRecord& record : snapshot.records) {
        const bool damaged = !record.isValid() || !std::isfinite(record.date) ||
                             record.date != std::floor(record.date);
        if (damaged)
            ++counts.skipped;
        else
            good.push_back(record);
    }
    writeFileAtomically(file, drawCsvText(good));
    counts.exported = static_cast<int>(good.size());
    return counts;
}

void importCsvCommand(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                      const RunState& run, Presentation& view) {
    refuseWhileUpdating(run);
    const auto file = program.ui.chooseOpenFile({program.folder, "", kCsvFilter, "csv"});
    if (!file)
        return;
    const ImportCounts counts = importDrawsFromCsv(program, run, *file, ConflictChoice::Ask);
    std::string text = "Import aus " + file->filename().string() + ":\n" +
                       std::to_string(counts.added) + " neu, " + std::to_string(counts.unchanged) +
                       " unverändert, " + std::to_string(counts.conflicts) + " abweichend";
    if (counts.conflicts > 0)
        text += counts.conflictsReplaced ? " (ersetzt)" : " (nicht übernommen)";
    program.ui.showMessage(text + ".", kImportCaption);
    // Like the update, an import that brought draws ends on the newest one.
    if (counts.added > 0 || counts.conflictsReplaced)
        drawWindow.endPicker.set(program.today());
    if (drawFileOf(program).exists())
        SpeedButton5Click(program, ticket, drawWindow, view);
}

void exportCsvCommand(ProgramContext& program) {
    const auto file =
        program.ui.chooseSaveFile({program.folder, "Ziehungen.csv", kCsvFilter, "csv"});
    if (!file)
        return;
    const ExportCounts counts = exportDrawsToCsv(program, *file);
    std::string text =
        std::to_string(counts.exported) + " Ziehung(en) nach " + file->string() + " exportiert.";
    if (counts.skipped > 0)
        text +=
            " " + std::to_string(counts.skipped) + " beschädigte Ziehung(en) wurden übergangen.";
    program.ui.showMessage(text, kExportCaption);
}

} // namespace kav
