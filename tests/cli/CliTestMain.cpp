// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The tool never reaches the user's real settings from a test.
    qputenv("KAVANTO_SETTINGS", "/nonexistent/kavanto-test-settings");
    // Nor the desktop's keychain: without a session bus it is unavailable.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kavanto-test-bus");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
