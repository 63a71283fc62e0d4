// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawReading.h"

#include "draws/DrawDates.h"

namespace kav {

DrawFile drawFileOf(const ProgramContext& program) {
    return DrawFile(program.folder);
}

DrawSnapshot readDrawFile(ProgramContext& program) {
    const DrawFile file = drawFileOf(program);
    DrawSnapshot snapshot = file.readAll();
    if (snapshot.damagedRecords > 0 && !program.damagedRecordsReported) {
        program.damagedRecordsReported = true;
        program.ui.showMessage("Die Datei " + file.path().string() + " enthält " +
                                   std::to_string(snapshot.damagedRecords) +
                                   " beschädigte Ziehung(en) (Zahlen außerhalb 1..54 oder Nº "
                                   "Clave außerhalb 0..9). Sie werden bei allen Auswertungen "
                                   "übergangen.",
                               "Beschädigte Ziehungsdaten");
    }
    if (!program.drawDatesReported) {
        const DrawDates dates = examineDrawDates(snapshot, program.today());
        std::string text = outOfOrderText(snapshot, dates, file.path());
        if (dates.unusableRecord)
            text = unusableNewestText(snapshot, dates, file.path()) + kUnusableNewestRemedy +
                   (text.empty() ? "" : "\n\n" + text);
        if (!text.empty()) {
            program.drawDatesReported = true;
            program.ui.showMessage(text, "Ziehungsdaten");
        }
    }
    return snapshot;
}

} // namespace kav
