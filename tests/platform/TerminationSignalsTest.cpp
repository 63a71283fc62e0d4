// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP reach the event loop as a call, once each; the second of a
// kind acts as by default.
#include "TerminationSignals.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QTest>
#include <csignal>

class TerminationSignalsTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void initTestCase() {
        kav::platform::onTerminationSignal(this, [this] { ++calls; });
    }

    void eachSignalIsForwardedOnceThenActsAsByDefault_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void eachSignalIsForwardedOnceThenActsAsByDefault() {
        QFETCH(int, signal);
        const int before = calls;
        QVERIFY(std::raise(signal) == 0);
        QTRY_COMPARE(calls, before + 1);
        struct sigaction now {};
        QVERIFY(sigaction(signal, nullptr, &now) == 0);
        QVERIFY(now.sa_handler == SIG_DFL);
    }

private:
    int calls = 0;
};

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "TerminationSignalsTest.moc"
