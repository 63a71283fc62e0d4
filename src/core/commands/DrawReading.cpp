// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawReading.h"

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
    return snapshot;
}

} // namespace kav
