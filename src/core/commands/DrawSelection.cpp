// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawSelection.h"

#include "commands/DrawReading.h"
#include "commands/SheetEvaluation.h"

#include <optional>

namespace kav {

void showCurrentDraw(const ProgramContext& program, const DrawWindow& drawWindow,
                     Presentation& view, CaptionVariant variant) {
    view.drawCaption = drawCaptionText(drawWindow.current, variant, view.shortDayNames);
    view.crossSumCaption =
        program.messages.line(msg::CrossSum) + std::to_string(drawWindow.current.crossSum());
}

void createMissingDrawFile(ProgramContext& program, DrawWindow& drawWindow) {
    program.ui.showMessage(program.messages.line(msg::ReadDrawsFirst), "");
    const DrawFile file = drawFileOf(program);
    // Held through the first update too (which takes it again), so the new file is
    // filled before another writer sees it.
    const FileLock lock = file.lock();
    switch (file.provideWithSeed()) {
    case DrawFile::Provided::Created:
        drawWindow.endPicker.set(roundToDay(DrawRecord::seed().date));
        if (program.internetUpdate)
            program.internetUpdate();
        break;
    case DrawFile::Provided::Restored:
        program.ui.showMessage(restoredBackupText(file), "");
        break;
    case DrawFile::Provided::Present:
        break;
    }
    drawWindow.endPicker.set(program.today());
}

std::string restoredBackupText(const DrawFile& file) {
    return "Eine Neuanlage der Datenbank wurde unterbrochen, bevor sie eine Ziehung geladen "
           "hatte. Die bisherigen Ziehungen aus " +
           std::string(DrawFile::kBackupName) + " sind wieder in " + file.path().string() + ".";
}

void selectCurrentDrawAtStart(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                              Presentation& view) {
    if (drawFileOf(program).state() == DrawFileState::NoWholeRecord) {
        createMissingDrawFile(program, drawWindow);
        return;
    }
    SpeedButton5Click(program, ticket, drawWindow, view);
}

void SpeedButton5Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws) {
    // A snapshot handed in was read from the file, so the file is there.
    std::optional<DrawSnapshot> read;
    if (!draws) {
        if (drawFileOf(program).state() == DrawFileState::Missing) {
            createMissingDrawFile(program, drawWindow);
            return;
        }
        draws = &read.emplace(readDrawFile(program));
    }
    const auto& records = draws->records;
    CurrentDraw& current = drawWindow.current;
    const auto target = static_cast<double>(drawWindow.endPicker.value);
    drawWindow.windowStart = target;

    std::int32_t index = 1;
    std::size_t taken = 0;
    if (!records.empty()) {
        taken = 1;
        if (records[0].date >= target) {
            current.take(records[0]);
            showCurrentDraw(program, drawWindow, view, CaptionVariant::A);
        }
    }
    while (taken > 0 && taken < records.size() && target > records[taken - 1].date) {
        const DrawRecord& record = records[taken++];
        ++index;
        if (record.date >= target) {
            current.take(record);
            showCurrentDraw(program, drawWindow, view, CaptionVariant::B);
        }
    }
    current.index = index - 1;
    if (taken > 0 && taken == records.size() && records[taken - 1].date > 0.0) {
        current.take(records[taken - 1]);
        showCurrentDraw(program, drawWindow, view, CaptionVariant::C);
    }
    drawWindow.endPicker.set(roundToDay(current.date));
    view.tipDrawCaption = view.drawCaption;
    Komplettcheck(program, ticket, drawWindow);
}

} // namespace kav
