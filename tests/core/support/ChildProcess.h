// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <gtest/gtest.h>

namespace kav::test {

// Waits for a child process to end; a child that does not end within `milliseconds` fails
// the assertion with what it wrote to standard error so far, and is killed.
inline ::testing::AssertionResult finishesWithin(QProcess& process, int milliseconds) {
    if (process.waitForFinished(milliseconds))
        return ::testing::AssertionSuccess();
    process.kill();
    process.waitForFinished(5000);
    return ::testing::AssertionFailure()
           << process.program().toStdString() << " did not end within " << milliseconds
           << " ms; its standard error:\n"
           << process.readAllStandardError().toStdString();
}

} // namespace kav::test
