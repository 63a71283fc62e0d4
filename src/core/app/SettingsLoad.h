// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "base/SettingsValues.h"

namespace kav {

// Applies stored values in the load order of the settings store. Each guarded unit
// stops at its first value of the wrong type; the values after it keep their defaults.
// A missing value keeps its default. Turns the evaluation switch on at its place.
void loadSettings(Workspace& ws, const SettingsValues& values);

// All values of the save list. Height and width are left out when the window is
// minimized or maximized (`includeGeometry` false).
SettingsValues saveSettings(const Workspace& ws, bool includeGeometry);

// Whether NAME is a value that `kavanto-cli --set` may lay into the settings.
bool isSettableName(const std::string& name);

} // namespace kav
