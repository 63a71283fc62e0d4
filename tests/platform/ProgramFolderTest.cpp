// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its files: a build folder, an installed program, a chosen folder;
// and how the shipped files reach every program folder and follow package upgrades without
// overwriting what the user changed.
#include "ProgramLocations.h"
#include "ShippedFiles.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using kav::platform::chooseProgramFolder;
using kav::platform::ProgramFolderChoice;
using kav::platform::refreshShippedFiles;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString folderOf(const std::filesystem::path& folder) {
    return QDir(QString::fromStdString(folder.string())).absolutePath();
}

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void init() {
        root = std::make_unique<QTemporaryDir>();
        shipped = root->filePath("prefix/share/kavanto");
        user = root->filePath("home/.local/share/Velmor/Kavanto");
        writeFile(shipped + "/yippee.wav", "RIFF-1");
        writeFile(shipped + "/Script/Beispiel.vks", "TIPP 1 = [Z1_1]\r\n");
        writeFile(shipped + "/land/meldungen.txt.en", "v1 en\r\n");
        writeFile(shipped + "/land/meldungen.txt.fr", "v1 fr\r\n");
    }
    void cleanup() { root.reset(); }

    void theFolderFollowsHowTheProgramRuns_data() {
        QTest::addColumn<QString>("explicitDir");
        QTest::addColumn<QString>("environmentDir");
        QTest::addColumn<QString>("executableDir");
        // "installed", "build" (the build's copy), "beside" (an unpacked copy carrying
        // them beside the executable) or "none": where the shipped files are.
        QTest::addColumn<QString>("shippedFiles");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("receivesShippedFiles");
        // A build folder is writable; it gets the files from the build's copy.
        QTest::newRow("build folder") << ""
                                      << ""
                                      << "build/gui"
                                      << "build"
                                      << "build/gui" << true;
        QTest::newRow("--data-dir, build folder") << "chosen"
                                                  << ""
                                                  << "build/gui"
                                                  << "build"
                                                  << "chosen" << true;
        QTest::newRow("$KAVANTO_DATA_DIR, build folder") << ""
                                                         << "env"
                                                         << "build/gui"
                                                         << "build"
                                                         << "env" << true;
        QTest::newRow("unpacked copy") << ""
                                       << ""
                                       << "portable"
                                       << "beside"
                                       << "portable" << true;
        QTest::newRow("--data-dir, unpacked copy") << "chosen"
                                                   << ""
                                                   << "portable"
                                                   << "beside"
                                                   << "chosen" << true;
        QTest::newRow("writable folder without the files") << ""
                                                           << ""
                                                           << "portable"
                                                           << "none"
                                                           << "portable" << false;
        QTest::newRow("system folder, not installed") << ""
                                                      << ""
                                                      << "/usr/bin"
                                                      << "none"
                                                      << "user" << false;
        // An installed program keeps the user's files in the per-user folder, even when it
        // is installed below the home folder, and brings its shipped files there.
        QTest::newRow("installed to /usr") << ""
                                           << ""
                                           << "/usr/bin"
                                           << "installed"
                                           << "user" << true;
        QTest::newRow("installed to ~/.local") << ""
                                               << ""
                                               << "home/.local/bin"
                                               << "installed"
                                               << "user" << true;
        QTest::newRow("--data-dir, installed") << "chosen"
                                               << "env"
                                               << "home/.local/bin"
                                               << "installed"
                                               << "chosen" << true;
        QTest::newRow("$KAVANTO_DATA_DIR, installed") << ""
                                                      << "env"
                                                      << "/usr/bin"
                                                      << "installed"
                                                      << "env" << true;
    }
    void theFolderFollowsHowTheProgramRuns() {
        QFETCH(QString, explicitDir);
        QFETCH(QString, environmentDir);
        QFETCH(QString, executableDir);
        QFETCH(QString, shippedFiles);
        QFETCH(QString, expected);
        QFETCH(bool, receivesShippedFiles);
        const auto inRoot = [&](const QString& dir) {
            return dir.isEmpty() || dir.startsWith('/') ? dir : root->filePath(dir);
        };
        QVERIFY(QDir().mkpath(root->filePath("build/gui")));
        QVERIFY(QDir().mkpath(root->filePath("home/.local/bin")));
        if (shippedFiles != "beside")
            QVERIFY(QDir().mkpath(root->filePath("portable")));
        ProgramFolderChoice choice;
        choice.explicitDir = inRoot(explicitDir);
        choice.environmentDir = inRoot(environmentDir);
        choice.executableDir = inRoot(executableDir);
        choice.installed = shippedFiles == "installed";
        if (shippedFiles == "installed" || shippedFiles == "build") {
            choice.shippedDir = shipped;
        } else if (shippedFiles == "beside") {
            choice.shippedDir = choice.executableDir;
            QVERIFY(QDir().rename(shipped, choice.executableDir));
        }
        choice.userDir = user;

        const QString folder = folderOf(chooseProgramFolder(choice));
        const QString wanted = expected == "user" ? user : inRoot(expected);
        QCOMPARE(folder, QDir(wanted).absolutePath());
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(QFileInfo::exists(folder + "/Script/Beispiel.vks"), receivesShippedFiles);
        QCOMPARE(QFileInfo::exists(folder + "/yippee.wav"), receivesShippedFiles);
        QCOMPARE(QFileInfo::exists(folder + "/land/meldungen.txt.en"), receivesShippedFiles);
        // Nothing is ever copied into the folder the files come from.
        QVERIFY(!QFileInfo::exists(choice.shippedDir + "/" + kav::platform::kShippedFilesRecord));
    }

    // A package upgrade: untouched copies follow it, the user's changes stay, new files
    // arrive, and the record says which version each copy came from.
    void shippedFilesFollowUpgradesButNeverOverwriteTheUsersChanges() {
        auto first = refreshShippedFiles(shipped, user);
        QCOMPARE(first.copied, 4);
        QCOMPARE(readFile(user + "/land/meldungen.txt.en"), QByteArray("v1 en\r\n"));
        QCOMPARE(readFile(user + "/Script/Beispiel.vks"), QByteArray("TIPP 1 = [Z1_1]\r\n"));
        const QByteArray record = readFile(user + "/" + kav::platform::kShippedFilesRecord);
        QVERIFY2(record.contains("  land/meldungen.txt.fr\n"), record.constData());
        QCOMPARE(record.count('\n'), 4);

        auto again = refreshShippedFiles(shipped, user);
        QCOMPARE(again.copied + again.updated + again.kept + again.failed, 0);

        // The user edits the template and deletes the sound; the new version changes both
        // language files and adds a third.
        writeFile(user + "/Script/Beispiel.vks", "mein Script\r\n");
        QVERIFY(QFile::remove(user + "/yippee.wav"));
        writeFile(shipped + "/Script/Beispiel.vks", "TIPP 1 = [Z1_1] v2\r\n");
        writeFile(shipped + "/land/meldungen.txt.en", "v2 en\r\n");
        writeFile(shipped + "/land/meldungen.txt.fr", "v2 fr\r\n");
        writeFile(shipped + "/land/Kavanto.txt", "v2 base\r\n");
        writeFile(user + "/land/meldungen.txt.fr", "meine Übersetzung\r\n");

        auto upgrade = refreshShippedFiles(shipped, user);
        QCOMPARE(upgrade.copied, 2);  // Kavanto.txt and the deleted sound
        QCOMPARE(upgrade.updated, 1); // meldungen.txt.en
        QCOMPARE(upgrade.kept, 2);    // the edited template and translation
        QCOMPARE(upgrade.failed, 0);
        QCOMPARE(readFile(user + "/land/meldungen.txt.en"), QByteArray("v2 en\r\n"));
        QCOMPARE(readFile(user + "/land/Kavanto.txt"), QByteArray("v2 base\r\n"));
        QCOMPARE(readFile(user + "/yippee.wav"), QByteArray("RIFF-1"));
        QCOMPARE(readFile(user + "/Script/Beispiel.vks"), QByteArray("mein Script\r\n"));
        QCOMPARE(readFile(user + "/land/meldungen.txt.fr"), QByteArray("meine Übersetzung\r\n"));

        // An edited file stays the user's even when a later version matches the copy the
        // user started from.
        writeFile(shipped + "/Script/Beispiel.vks", "TIPP 1 = [Z1_1] v3\r\n");
        QCOMPARE(refreshShippedFiles(shipped, user).kept, 2);
        QCOMPARE(readFile(user + "/Script/Beispiel.vks"), QByteArray("mein Script\r\n"));
    }

    // Copies made before the record existed: the same bytes are taken over, others are
    // the user's.
    void copiesWithoutARecordAreTakenOverOnlyWhenEqual() {
        writeFile(user + "/land/meldungen.txt.en", "v1 en\r\n");
        writeFile(user + "/land/meldungen.txt.fr", "eigene\r\n");
        auto result = refreshShippedFiles(shipped, user);
        QCOMPARE(result.copied, 2);
        QCOMPARE(result.kept, 1);
        QCOMPARE(readFile(user + "/land/meldungen.txt.fr"), QByteArray("eigene\r\n"));
        writeFile(shipped + "/land/meldungen.txt.en", "v2 en\r\n");
        QCOMPARE(refreshShippedFiles(shipped, user).updated, 1);
        QCOMPARE(readFile(user + "/land/meldungen.txt.en"), QByteArray("v2 en\r\n"));
    }

    // A copy that cannot be written (a file stands where the folder "Script" belongs) is
    // skipped, the others go on, and the next start tries it again.
    void aCopyThatCannotBeWrittenIsSkippedAndTriedAgain() {
        writeFile(user + "/Script", "not a folder");
        const auto result = refreshShippedFiles(shipped, user);
        QCOMPARE(result.copied, 3);
        QCOMPARE(result.failed, 1);
        QVERIFY(!readFile(user + "/" + kav::platform::kShippedFilesRecord).contains("Script/"));
        QVERIFY(QFile::remove(user + "/Script"));
        QCOMPARE(refreshShippedFiles(shipped, user).copied, 1);
        QCOMPARE(readFile(user + "/Script/Beispiel.vks"), QByteArray("TIPP 1 = [Z1_1]\r\n"));
    }

private:
    std::unique_ptr<QTemporaryDir> root;
    QString shipped;
    QString user;
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
