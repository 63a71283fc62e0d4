// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/CommandGuard.h"
#include "app/SettingsLoad.h"
#include "app/Workspace.h"
#include "evaluation/DrawSelection.h"
#include "stats/StatisticCommands.h"

namespace kav {

void createMainWindowState(Workspace& ws, const SettingsValues& settings, std::uint32_t clockSeed) {
    ws.evaluationSwitch = false;
    ws.running = false;
    loadSettings(ws, settings);
    ws.random.setSeed(clockSeed);
    ws.windowStart = ws.startPicker.value;
}

void startUp(Workspace& ws) {
    ws.endPicker.set(ws.today());
    runGuarded(ws, [&] { selectCurrentDrawAtStart(ws); });
    runGuarded(ws, [&] { SpeedButton2Click(ws); });
}

void onFirstShow(Workspace& ws) {
    ws.endPicker.set(ws.today());
    runGuarded(ws, [&] { selectCurrentDrawAtStart(ws); });
    ws.windowStart = ws.startPicker.value;
}

} // namespace kav
