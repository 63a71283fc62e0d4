// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// The HTTP client needs an application object for its event loop.
int main(int argc, char** argv) {
    kav::test::useTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
