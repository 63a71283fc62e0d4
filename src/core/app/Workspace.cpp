// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"

namespace kav {

Workspace::Workspace(std::filesystem::path folder, Interaction& interaction)
    : programFolder(std::move(folder)), ui(interaction) {}

DrawSnapshot Workspace::readDraws() {
    if (heldDraws)
        return *heldDraws;
    DrawSnapshot snapshot = drawFile().readAll();
    if (snapshot.damagedRecords > 0 && !damagedRecordsReported_) {
        damagedRecordsReported_ = true;
        ui.showMessage("Die Datei " + drawFile().path().string() + " enthält " +
                           std::to_string(snapshot.damagedRecords) +
                           " beschädigte Ziehung(en) (Zahlen außerhalb 1..54 oder Nº Clave "
                           "außerhalb 0..9). Sie werden bei allen Auswertungen übergangen.",
                       "Beschädigte Ziehungsdaten");
    }
    return snapshot;
}

} // namespace kav
