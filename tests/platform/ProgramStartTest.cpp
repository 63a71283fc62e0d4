// SPDX-License-Identifier: GPL-3.0-or-later
// Other programs are started without a shell: every argument reaches the program as it
// is, so a parameter or a path with shell characters (the Klickwerk parameters come from
// the user's settings) can never run a command of its own. No source file starts a
// program any other way.
#include "ProgramStart.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class ProgramStartTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void argumentsReachTheProgramUninterpreted();
    void noSourceStartsAProgramAnyOtherWay();
};

void ProgramStartTest::argumentsReachTheProgramUninterpreted() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The started program works in our folder: names without a folder land in `dir`, and
    // so would the files of any command a shell made of them.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QStringList names = {"a; touch semicolon", "$(touch substitution)",
                               "`touch backticks` | x & y", "it's \"quoted\" > redirected *"};
    std::vector<std::string> arguments;
    for (const QString& name : names)
        arguments.push_back(name.toStdString());
    const bool started = kav::platform::startDetached("/usr/bin/touch", arguments);

    // touch creates exactly the files of those names, and nothing else runs.
    QElapsedTimer clock;
    clock.start();
    while (QDir(dir.path()).entryList(QDir::Files).size() < names.size() && clock.elapsed() < 10000)
        QTest::qWait(20);
    QDir::setCurrent(before);
    QVERIFY(started);
    QTest::qWait(100); // time for a shell's extra commands, were there any
    QStringList expected = names;
    expected.sort();
    QStringList found = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    found.sort();
    QCOMPARE(found, expected);
}

void ProgramStartTest::noSourceStartsAProgramAnyOtherWay() {
    // Only ProgramStart starts programs (QProcess with an argument list); nothing calls
    // system(), popen() or exec*(), names a shell, or hands a command line to QProcess.
    const QRegularExpression forbidden(
        R"((^|[^:\w.>])(system|popen|execl|execlp|execle|execv|execvp|execvpe|posix_spawnp?)\s*\()"
        R"(|std::system\s*\(|startCommand|"/bin/(ba|da)?sh"|"(ba|da)?sh"\s*,|"-c")");
    const QRegularExpression process(R"(\bQProcess\b)");
    const QDir source(KAVANTO_SOURCE_DIR "/src");
    QDirIterator it(source.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        ++files;
        const QString name = source.relativeFilePath(path);
        const auto match = forbidden.match(text);
        QVERIFY2(!match.hasMatch(), qPrintable(name + ": " + match.captured(0)));
        if (!name.startsWith("platform/ProgramStart."))
            QVERIFY2(!process.match(text).hasMatch(), qPrintable(name + " uses QProcess"));
    }
    QVERIFY(files > 100);
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
