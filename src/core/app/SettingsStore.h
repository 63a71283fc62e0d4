// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "base/SettingsValues.h"

#include <filesystem>
#include <string>

namespace kav {

class Interaction;

// Whether the content of a store file cannot be used: it is not text (it holds a NUL
// byte), it was cut short (its end mark is lost), or it is not blank and not one of its
// lines is a well-formed value. A file with some malformed lines is not such a file: its
// good lines load.
bool isUnparsableSettingsFile(const std::string& content);
// The same for the file at `path`; a missing or unreadable file is not unparsable.
bool isUnparsableSettingsFile(const std::filesystem::path& path);

// The store as the window opens it at start.
struct OpenedSettingsStore {
    SettingsValues values;
    // False when a damaged store could not be set aside: the save at close leaves it alone.
    bool writable = true;
};

// Reads the store. A file that cannot be parsed at all is first set aside (renamed with the
// date of `today` appended, "Kavanto.conf.2024-06-02", then "-2", "-3", ... when taken),
// the user is told once, and the defaults apply: nothing ever writes over it.
OpenedSettingsStore openSettingsStore(const std::filesystem::path& path, DayCount today,
                                      Interaction& ui);

// The save at close: the saved values are laid over what the store holds, so a value the
// save leaves out (the height and width of a maximized window) keeps its stored value. A
// store damaged since the start is set aside first. False when it could not be written.
bool saveSettingsStore(const std::filesystem::path& path, const SettingsValues& saved,
                       DayCount today);

} // namespace kav
