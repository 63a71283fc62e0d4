// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"

#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace kav::platform {

// The program folder: `explicitDir` when given, else $KAVANTO_DATA_DIR, else the folder of
// the executable when it holds the program's files ("land" or the draw file) or may hold
// them (writable, not a system folder), else the per-user data folder. Created if missing.
std::filesystem::path programFolder(const QString& explicitDir = {});

// The settings store file: `explicitFile`, else $KAVANTO_SETTINGS, else the user's config
// folder ("Velmor/Kavanto.conf").
std::filesystem::path settingsFile(const QString& explicitFile = {});

// Klickwerk's settings store: "Klickwerk.conf" beside the program's own settings file.
std::filesystem::path klickwerkSettingsFile(const std::filesystem::path& settingsFile);

// Today's date from the system clock.
DayCount systemToday();

// The seed of the random generator at program start: a high-resolution clock's low bits.
std::uint32_t clockSeed();

// Short day names Sunday..Saturday in the system's language, for draw captions.
std::array<std::string, 7> systemShortDayNames();

} // namespace kav::platform
