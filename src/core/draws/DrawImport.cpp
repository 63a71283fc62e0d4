// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawImport.h"

#include "app/Workspace.h"
#include "base/AtomicFile.h"
#include "draws/DrawCsv.h"
#include "draws/InternetUpdate.h"
#include "evaluation/DrawSelection.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace kav {
namespace {

constexpr const char* kCsvFilter = "CSV-Dateien|*.csv;*.txt|Alle Dateien|*";
constexpr const char* kImportCaption = "Ziehungen importieren";
constexpr const char* kExportCaption = "Ziehungen exportieren";

// A draw as a comparable value: its numbers sorted, then its key.
std::array<int, kNumbersPerDraw + 1> drawValue(const DrawRecord& record) {
    std::array<int, kNumbersPerDraw + 1> value{};
    for (int i = 0; i < kNumbersPerDraw; ++i)
        value[static_cast<std::size_t>(i)] = record.number(i);
    std::sort(value.begin(), value.begin() + kNumbersPerDraw);
    value[kNumbersPerDraw] = record.key();
    return value;
}

bool sameDraws(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b) {
    if (a.size() != b.size())
        return false;
    std::vector<std::array<int, kNumbersPerDraw + 1>> left, right;
    for (const DrawRecord& r : a)
        left.push_back(drawValue(r));
    for (const DrawRecord& r : b)
        right.push_back(drawValue(r));
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    return left == right;
}

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

DrawMerge mergeDrawsByDate(std::span<const DrawRecord> stored, std::span<const DrawRecord> imported,
                           bool replaceConflicts) {
    // Imported dates are whole days (the parser made sure); stored ones may be damaged.
    std::map<double, std::vector<DrawRecord>> incoming;
    for (const DrawRecord& record : imported)
        incoming[record.date].push_back(record);
    std::map<double, std::vector<DrawRecord>> storedOnDate;
    for (const DrawRecord& record : stored)
        if (std::isfinite(record.date) && incoming.count(record.date))
            storedOnDate[record.date].push_back(record);

    DrawMerge merge;
    std::map<double, bool> replaced; // conflict dates taken from the file
    std::vector<const std::vector<DrawRecord>*> toAdd;
    for (const auto& [date, draws] : incoming) {
        const auto found = storedOnDate.find(date);
        if (found == storedOnDate.end()) {
            ++merge.added;
            toAdd.push_back(&draws);
        } else if (sameDraws(found->second, draws)) {
            ++merge.unchanged;
        } else {
            ++merge.conflicts;
            merge.conflictDates.push_back(static_cast<DayCount>(date));
            if (replaceConflicts)
                replaced[date] = false;
        }
    }

    merge.records.reserve(stored.size() + imported.size());
    auto next = toAdd.begin();
    const auto addUpTo = [&](double date) {
        for (; next != toAdd.end() && (*next)->front().date < date; ++next)
            merge.records.insert(merge.records.end(), (*next)->begin(), (*next)->end());
    };
    for (const DrawRecord& record : stored) {
        addUpTo(record.date);
        const auto replacement =
            std::isfinite(record.date) ? replaced.find(record.date) : replaced.end();
        if (replacement == replaced.end()) {
            merge.records.push_back(record);
        } else if (!replacement->second) {
            replacement->second = true;
            const auto& draws = incoming.at(record.date);
            merge.records.insert(merge.records.end(), draws.begin(), draws.end());
        }
    }
    for (; next != toAdd.end(); ++next)
        merge.records.insert(merge.records.end(), (*next)->begin(), (*next)->end());
    return merge;
}

ImportCounts importDrawsFromCsv(Workspace& ws, const std::filesystem::path& file,
                                ConflictChoice choice) {
    refuseWhileUpdating(ws);
    std::vector<DrawRecord> imported;
    try {
        imported = readDrawCsvFile(file, ws.today());
    } catch (const DrawCsvError& e) {
        throw std::runtime_error("Die Datei " + file.string() +
                                 " enthält eine Zeile, die keine Ziehung ist. " + e.what() +
                                 ". Es wurde nichts importiert.");
    }
    const DrawFile drawFile = ws.drawFile();
    const auto storedDraws = [&] {
        return drawFile.exists() ? ws.readDraws().records : std::vector<DrawRecord>{};
    };

    bool replace = choice == ConflictChoice::Replace;
    if (choice == ConflictChoice::Ask) {
        // Asked without the lock, so no other writer waits for the user's answer.
        const DrawMerge preview = mergeDrawsByDate(storedDraws(), imported, false);
        replace =
            preview.conflicts > 0 && ws.ui.askYesNo(conflictQuestion(preview), kImportCaption);
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

ExportCounts exportDrawsToCsv(Workspace& ws, const std::filesystem::path& file) {
    const DrawSnapshot snapshot = ws.readDraws();
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

void importCsvCommand(Workspace& ws) {
    refuseWhileUpdating(ws);
    const auto file = ws.ui.chooseOpenFile({ws.programFolder, "", kCsvFilter, "csv"});
    if (!file)
        return;
    const ImportCounts counts = importDrawsFromCsv(ws, *file, ConflictChoice::Ask);
    std::string text = "Import aus " + file->filename().string() + ":\n" +
                       std::to_string(counts.added) + " neu, " + std::to_string(counts.unchanged) +
                       " unverändert, " + std::to_string(counts.conflicts) + " abweichend";
    if (counts.conflicts > 0)
        text += counts.conflictsReplaced ? " (ersetzt)" : " (nicht übernommen)";
    ws.ui.showMessage(text + ".", kImportCaption);
    // Like the update, an import that brought draws ends on the newest one.
    if (counts.added > 0 || counts.conflictsReplaced)
        ws.endPicker.set(ws.today());
    if (ws.drawFile().exists())
        SpeedButton5Click(ws);
}

void exportCsvCommand(Workspace& ws) {
    const auto file = ws.ui.chooseSaveFile({ws.programFolder, "Ziehungen.csv", kCsvFilter, "csv"});
    if (!file)
        return;
    const ExportCounts counts = exportDrawsToCsv(ws, *file);
    std::string text =
        std::to_string(counts.exported) + " Ziehung(en) nach " + file->string() + " exportiert.";
    if (counts.skipped > 0)
        text +=
            " " + std::to_string(counts.skipped) + " beschädigte Ziehung(en) wurden übergangen.";
    ws.ui.showMessage(text, kExportCaption);
}

} // namespace kav
