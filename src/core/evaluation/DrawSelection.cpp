// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/DrawSelection.h"

#include "app/Workspace.h"
#include "draws/DrawCaption.h"
#include "evaluation/HitEvaluation.h"

namespace kav {

void createMissingDrawFile(Workspace& ws) {
    ws.ui.showMessage(ws.messages.line(msg::ReadDrawsFirst), "");
    const DrawFile file = ws.drawFile();
    // Held through the first update too (which takes it again), so the new file is
    // filled before another writer sees it.
    const FileLock lock = file.lock();
    switch (file.provideWithSeed()) {
    case DrawFile::Provided::Created:
        ws.endPicker.set(roundToDay(DrawRecord::seed().date));
        if (ws.internetUpdate)
            ws.internetUpdate(ws);
        break;
    case DrawFile::Provided::Restored:
        ws.ui.showMessage(restoredBackupText(file), "");
        break;
    case DrawFile::Provided::Present:
        break;
    }
    ws.endPicker.set(ws.today());
}

std::string restoredBackupText(const DrawFile& file) {
    return "Eine Neuanlage der Datenbank wurde unterbrochen, bevor sie eine Ziehung geladen "
           "hatte. Die bisherigen Ziehungen aus " +
           std::string(DrawFile::kBackupName) + " sind wieder in " + file.path().string() + ".";
}

void selectCurrentDrawAtStart(Workspace& ws) {
    if (ws.drawFile().state() == DrawFileState::NoWholeRecord) {
        createMissingDrawFile(ws);
        return;
    }
    SpeedButton5Click(ws);
}

void SpeedButton5Click(Workspace& ws) {
    // A held snapshot was read from the file, so the file is there.
    if (!ws.heldDraws && ws.drawFile().state() == DrawFileState::Missing) {
        createMissingDrawFile(ws);
        return;
    }
    const DrawSnapshot snapshot = ws.readDraws();
    const auto& records = snapshot.records;
    const auto target = static_cast<double>(ws.endPicker.value);
    ws.windowStart = target;

    std::int32_t index = 1;
    std::size_t read = 0;
    if (!records.empty()) {
        read = 1;
        if (records[0].date >= target) {
            ws.current.take(records[0]);
            showCurrentDraw(ws, CaptionVariant::A);
        }
    }
    while (read > 0 && read < records.size() && target > records[read - 1].date) {
        const DrawRecord& record = records[read++];
        ++index;
        if (record.date >= target) {
            ws.current.take(record);
            showCurrentDraw(ws, CaptionVariant::B);
        }
    }
    ws.current.index = index - 1;
    if (read > 0 && read == records.size() && records[read - 1].date > 0.0) {
        ws.current.take(records[read - 1]);
        showCurrentDraw(ws, CaptionVariant::C);
    }
    ws.endPicker.set(roundToDay(ws.current.date));
    ws.tipDrawCaption = ws.drawCaption;
    Komplettcheck(ws);
}

} // namespace kav
