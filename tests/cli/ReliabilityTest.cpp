// SPDX-License-Identifier: GPL-3.0-or-later
// What a trial of the tool in an unkind environment found: a draw file left empty by a
// lost write, a second writer at the same time, an entry stored but reported as failed,
// and messages that misled.
#include "CliRunner.h"
#include "DrawService.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"
#include "support/ChildProcess.h"

#include <QJsonArray>
#include <QProcess>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace kav::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A full disk or a kill during the seed draw's write once left an empty file, after which
// `init` reported no draws with success and `add` failed; now such a file is renewed.
TEST(CliReliability, InitRenewsADrawFileThatHoldsNoWholeRecord) {
    for (const std::string fragment : {"", "ABCDEFG"}) {
        CliRunner cli;
        writeText(cli.dataDir() / DrawFile::kFileName, fragment);
        const CliResult init = cli.run({"--json", "init"});
        ASSERT_EQ(init.exitCode, 0) << init.err;
        EXPECT_EQ(init.json()["draws"].toInt(), 1);
        EXPECT_EQ(fs::file_size(cli.dataDir() / DrawFile::kFileName), kRecordSize);
        const CliResult add = cli.run({"add", "13.02.2005", "1", "2", "3", "4", "5", "6"});
        EXPECT_EQ(add.exitCode, 0) << add.err;
        EXPECT_EQ(DrawFile(cli.dataDir()).readAll().size(), 2u);
    }
}

// The entry went to the file, then the tool failed to return to the draw dated before the
// end-date picker's first date and exited 1: a failure reported after success.
TEST(CliReliability, AnEntryThatIsStoredIsReportedAsStored) {
    CliRunner cli;
    const DrawRecord early = DrawRecord::make(dayCountFromCivil({2005, 1, 30}), {1, 2, 3, 4, 5}, 0);
    DrawFile(cli.dataDir()).replace(std::vector<DrawRecord>{early});
    const CliResult r = cli.run({"add", "31.01.2005", "6", "7", "8", "9", "10", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(DrawFile(cli.dataDir()).readAll().size(), 2u);
}

TEST(CliReliability, MessagesSayWhatIsWrong) {
    CliRunner cli;
    // A folder where the draw file belongs is no missing file.
    fs::create_directory(cli.dataDir() / DrawFile::kFileName);
    const CliResult folder = cli.run({"draws"});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_NE(folder.err.find("Das ist ein Verzeichnis"), std::string::npos) << folder.err;
    EXPECT_EQ(folder.err.find("init legt sie an"), std::string::npos) << folder.err;
    // ... and init does not claim to have created it.
    EXPECT_EQ(cli.run({"init"}).exitCode, 1);
    fs::remove(cli.dataDir() / DrawFile::kFileName);
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);

    // --settings naming a folder, or a file that is not there, was ignored without a word.
    const CliResult settingsFolder =
        cli.run({"--settings", cli.dataDir().string(), "draws"}, false);
    EXPECT_EQ(settingsFolder.exitCode, 2);
    EXPECT_NE(settingsFolder.err.find("ist ein Ordner"), std::string::npos) << settingsFolder.err;
    const std::string missing = (cli.dataDir() / "fehlt" / "Kavanto.conf").string();
    const CliResult settingsMissing = cli.run({"--settings", missing, "draws"}, false);
    EXPECT_EQ(settingsMissing.exitCode, 0);
    EXPECT_NE(settingsMissing.err.find("--settings: " + missing +
                                       " gibt es nicht; es gelten die Standardeinstellungen"),
              std::string::npos)
        << settingsMissing.err;
    // An empty item of --lock is refused wherever it stands.
    for (const std::string lock : {"", "1,2,", "1,,3", ",1"}) {
        const CliResult r = cli.run({"--lock", lock, "draws"});
        EXPECT_EQ(r.exitCode, 2) << '"' << lock << '"';
        EXPECT_NE(r.err.find("--lock: leere Angabe"), std::string::npos) << r.err;
    }
    EXPECT_EQ(cli.run({"--lock", "1,3,8", "draws"}).exitCode, 0);
}

// Two writers at once once lost a draw: now the second waits for the first, and when the
// first keeps the draw file too long it is told who holds it and changes nothing.
TEST(CliReliability, ASecondWriterNamesTheProgramThatHoldsTheDrawFile) {
    drawservice::ServiceOptions options;
    options.port = 0;
    options.delayMs = 250; // every answer: the update keeps the lock for a while
    options.today = [] { return dayCountFromCivil({2005, 3, 27}); };
    drawservice::DrawService service(drawservice::DrawHistory::demo(), options);
    service.start();

    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    QProcess update;
    update.start(KAVANTO_CLI_BINARY, {"--data-dir", QString::fromStdString(cli.dataDir().string()),
                                      "--defaults", "--today", "27.03.2005", "update", "--host",
                                      QString::fromStdString(service.url())});
    ASSERT_TRUE(update.waitForStarted(30000)) << update.errorString().toStdString();
    const fs::path lockFile = cli.dataDir() / DrawFile::kLockFileName;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (FileLock::readHolder(lockFile).processId != update.processId() &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);

    const auto wait = DrawFile::lockWait();
    DrawFile::setLockWait(200ms);
    const CliResult add = cli.run({"add", "09.02.2005", "1", "2", "3", "4", "5", "6"});
    DrawFile::setLockWait(wait);
    EXPECT_EQ(add.exitCode, 1);
    EXPECT_NE(add.err.find("Die Ziehungsdatei wird gerade von kavanto-cli (Prozess " +
                           std::to_string(update.processId()) +
                           ") benutzt. Es wurde nichts "
                           "geändert."),
              std::string::npos)
        << add.err;

    // With the default wait (five seconds; the update's 14 answers take 3.5) the entry
    // goes in once the update is done, and both writers' draws stay.
    const CliResult later = cli.run({"add", "09.02.2005", "1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(later.exitCode, 0) << later.err;
    ASSERT_TRUE(finishesWithin(update, 60000));
    EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    const auto records = DrawFile(cli.dataDir()).readAll().records;
    EXPECT_EQ(records.size(), 9u); // the seed, the entry, seven Sundays of the service
}

} // namespace
} // namespace kav::test
