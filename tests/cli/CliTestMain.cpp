// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The tool and the programs it starts never reach the user's settings, keychain or
    // display from a test.
    kav::test::useTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
