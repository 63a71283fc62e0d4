// SPDX-License-Identifier: GPL-3.0-or-later
// Other programs are started without a shell: every argument reaches the program as it
// is, so a parameter or a path with shell characters (the Klickwerk parameters come from
// the user's settings) can never run a command of its own.
#include "ProgramStart.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class ProgramStartTest : public QObject {
    Q_OBJECT
private slots:
    void argumentsReachTheProgramUninterpreted();
};

void ProgramStartTest::argumentsReachTheProgramUninterpreted() {
    QTemporaryDir dir;
    const QString quoted = dir.filePath("a; touch " + dir.filePath("semicolon"));
    const QString substituted = dir.filePath("$(touch " + dir.filePath("substitution") + ")");
    const QString backticks = dir.filePath("`touch " + dir.filePath("backticks") + "` | x & y");
    QVERIFY(kav::platform::startDetached(
        "/usr/bin/touch",
        {quoted.toStdString(), substituted.toStdString(), backticks.toStdString()}));

    // touch creates exactly the three files of those names, and nothing else runs.
    QElapsedTimer clock;
    clock.start();
    while (QDir(dir.path()).entryList(QDir::Files).size() < 3 && clock.elapsed() < 10000)
        QTest::qWait(20);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), qsizetype{3});
    for (const QString& name : {quoted, substituted, backticks})
        QVERIFY2(QFileInfo::exists(name), qPrintable(name));
    for (const char* name : {"semicolon", "substitution", "backticks"})
        QVERIFY(!QFileInfo::exists(dir.filePath(name)));
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
