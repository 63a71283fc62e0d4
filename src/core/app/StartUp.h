// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "base/SettingsValues.h"

#include <cstdint>

namespace kav {

// The creation of the main window's state: evaluation switch and running flag off, the
// settings loaded in their order (the evaluation switch goes on inside), the random
// generator seeded from the clock, the start-date field set from the start-date picker.
void createMainWindowState(Workspace& ws, const SettingsValues& settings, std::uint32_t clockSeed);

// The rest of the start-up before the window shows: the end date on today and the
// selection of the current draw (which creates a missing draw file), then the number
// distribution for the chart page. Errors are shown and start-up goes on.
void startUp(Workspace& ws);

// When the main window first becomes visible: end date on today again, the selection of
// the current draw, and the start-date field from the start-date picker.
void onFirstShow(Workspace& ws);

} // namespace kav
