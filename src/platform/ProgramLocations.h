// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"

#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace kav::platform {

// How the program folder is chosen: `explicitDir` (--data-dir) when given, else
// `environmentDir` ($KAVANTO_DATA_DIR), else `executableDir` when it holds the program's
// files ("land" or the draw file), or when the program is not installed and that folder may
// hold them (writable, not a system folder), else `userDir`, the per-user data folder. The
// chosen folder is created if missing, and the files the program ships (`shippedDir`) are
// brought into it (refreshShippedFiles) unless it is that folder itself.
struct ProgramFolderChoice {
    QString explicitDir;
    QString environmentDir;
    QString executableDir;
    // Where the shipped files are: <prefix>/share/kavanto of an installation, the build's
    // copy of them, or the folder of an unpacked copy that carries them beside the
    // executable; empty when there are none.
    QString shippedDir;
    bool installed = false;
    QString userDir;
};
std::filesystem::path chooseProgramFolder(const ProgramFolderChoice& choice);

// The program folder of the running program: chooseProgramFolder with `explicitDir`,
// $KAVANTO_DATA_DIR, the executable's folder, the shipped files found for it and
// ~/.local/share/Velmor/Kavanto.
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
