// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

namespace kav::test {

// Every test program calls this first, before it makes its application object, so that
// however it is started (by ctest, by hand, from a debugger) it never reaches the user's
// settings, program folder, keychain or display: windows are drawn offscreen.
inline void useTestEnvironment() {
    setenv("KAVANTO_SETTINGS", "/nonexistent/kavanto-test-settings", 1);
    unsetenv("KAVANTO_DATA_DIR");
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kavanto-test-bus", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace kav::test
