// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/SettingsLoad.h"
#include "commands/CommandGuard.h"
#include "commands/DrawSelection.h"
#include "commands/StatisticCommands.h"

namespace kav {

void createMainWindowState(Workspace& ws, const SettingsValues& settings, std::uint32_t clockSeed) {
    ws.ticket.evaluationSwitch = false;
    ws.run.running = false;
    loadSettings(ws, settings);
    ws.run.random.setSeed(clockSeed);
    ws.drawWindow.windowStart = ws.drawWindow.startPicker.value;
}

void startUp(Workspace& ws) {
    ws.drawWindow.endPicker.set(ws.program.today());
    runGuarded(ws.program.ui,
               [&] { selectCurrentDrawAtStart(ws.program, ws.ticket, ws.drawWindow, ws.view); });
    runGuarded(ws.program.ui,
               [&] { SpeedButton2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); });
}

void onFirstShow(Workspace& ws) {
    ws.drawWindow.endPicker.set(ws.program.today());
    runGuarded(ws.program.ui,
               [&] { selectCurrentDrawAtStart(ws.program, ws.ticket, ws.drawWindow, ws.view); });
    ws.drawWindow.windowStart = ws.drawWindow.startPicker.value;
}

} // namespace kav
