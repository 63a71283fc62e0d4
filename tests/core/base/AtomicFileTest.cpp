// SPDX-License-Identifier: GPL-3.0-or-later
// The safe-write path every writer of the program uses.
#include "base/AtomicFile.h"
#include "base/IoError.h"

#include "support/FailingFileLayer.h"
#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

namespace kav::test {
namespace {

namespace fs = std::filesystem;
using Step = FailingFileLayer::Step;

std::string messageOf(const std::function<void()>& write) {
    try {
        write();
    } catch (const IoError& e) {
        return e.what();
    }
    return {};
}

TEST(AtomicFile, WritesThroughAUniqueTemporaryFileSyncsItAndTheFolder) {
    TemporaryFolder folder;
    const fs::path target = folder.path() / "Tipp.txt";
    FailingFileLayer counting;
    {
        const FileLayerOverride layer(counting);
        writeFileAtomically(target, "neu");
    }
    EXPECT_EQ(readBytes(target), "neu");
    // The temporary file (synced, closed, renamed), then the folder (opened, synced, closed).
    ASSERT_EQ(counting.opened().size(), 2u);
    const std::string temporary = counting.opened()[0].filename().string();
    EXPECT_TRUE(isTemporaryNameFor(temporary, "Tipp.txt")) << temporary;
    EXPECT_EQ(counting.opened()[0].parent_path(), folder.path());
    EXPECT_EQ(counting.opened()[1], folder.path());
    EXPECT_EQ(counting.calls(Step::Sync), 2u);
    EXPECT_EQ(counting.calls(Step::Rename), 1u);
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

// The reason of each step's failure reaches the message (a rename's error number was once
// reset before the message was built), with the temporary file and the target named.
TEST(AtomicFile, AFailureNamesTheFileTheStepAndTheReasonAndLeavesTheOldFile) {
    const struct {
        Step step;
        int error;
        const char* words;
    } cases[] = {
        {Step::Open, EACCES, "beim Anlegen der temporären Datei"},
        {Step::Write, ENOSPC, "beim Schreiben der temporären Datei"},
        {Step::Sync, EIO, "beim Sichern der temporären Datei"},
        {Step::Close, EIO, "beim Schließen der temporären Datei"},
        {Step::Rename, EXDEV, "beim Umbenennen der temporären Datei"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        TemporaryFolder folder;
        const fs::path target = folder.path() / "Liste.hlw";
        writeBytes(target, "alt");
        FailingFileLayer layer = c.step == Step::Write ? FailingFileLayer::afterBytes(1, c.error)
                                                       : FailingFileLayer(c.step, 1, c.error);
        std::string text;
        {
            const FileLayerOverride failing(layer);
            text = messageOf([&] { writeFileAtomically(target, "neuer Inhalt"); });
        }
        EXPECT_NE(text.find(c.words), std::string::npos) << text;
        EXPECT_NE(text.find(ioReasonText(c.error)), std::string::npos) << text;
        EXPECT_NE(text.find("\"" + target.string() + "\" ist unverändert."), std::string::npos)
            << text;
        if (c.step != Step::Open) {
            EXPECT_NE(text.find(folder.path().string() + "/.Liste.hlw."), std::string::npos)
                << text;
        }
        EXPECT_EQ(readBytes(target), "alt");
        EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
    }
    // A new file that could not be written is said to be not created.
    TemporaryFolder folder;
    FailingFileLayer layer(Step::Rename, 1, EIO);
    const FileLayerOverride failing(layer);
    EXPECT_NE(messageOf([&] {
                  writeFileAtomically(folder.path() / "neu.txt", "x");
              }).find("wurde nicht angelegt"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder.path() / "neu.txt"));
}

TEST(AtomicFile, KeepsPermissionsAndSymbolicLinksOfTheFileItReplaces) {
    TemporaryFolder folder;
    const fs::path target = folder.path() / "Kavanto.conf";
    writeBytes(target, "alt");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    writeFileAtomically(target, "neu");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    writeFileAtomically(folder.path() / "geheim.conf", "x", FileAccess::OwnerOnly);
    EXPECT_EQ(fs::status(folder.path() / "geheim.conf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_directory(folder.path() / "echt");
    writeBytes(folder.path() / "echt" / "Tipp.hlt", "alt");
    fs::create_symlink(folder.path() / "echt" / "Tipp.hlt", folder.path() / "Tipp.hlt");
    writeFileAtomically(folder.path() / "Tipp.hlt", "neu");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "Tipp.hlt"));
    EXPECT_EQ(readBytes(folder.path() / "echt" / "Tipp.hlt"), "neu");
}

// Two writers of one file at once never share a temporary file: each result is one whole
// version (the same fixed name once let one writer rename the other's half-written file).
TEST(AtomicFile, ConcurrentWritersOfOneFileEachWriteAWholeVersion) {
    TemporaryFolder folder;
    const fs::path target = folder.path() / "Kavanto.conf";
    const std::string a(64 * 1024, 'a'), b(64 * 1024, 'b');
    for (int round = 0; round < 20; ++round) {
        std::thread first([&] { writeFileAtomically(target, a); });
        std::thread second([&] { writeFileAtomically(target, b); });
        first.join();
        second.join();
        const std::string now = readBytes(target);
        EXPECT_TRUE(now == a || now == b);
    }
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

// Writing once replaced /dev/full and /dev/null with a plain file of the same name.
TEST(AtomicFile, ADeviceOrAFifoIsWrittenToAndNeverReplaced) {
    const std::string nullError = messageOf([] { writeFileAtomically("/dev/null", "weg"); });
    EXPECT_EQ(nullError, "");
    EXPECT_NE(messageOf([] {
                  writeFileAtomically("/dev/full", "voll");
              }).find("Kein Speicherplatz mehr auf dem Gerät"),
              std::string::npos);
    for (const char* device : {"/dev/null", "/dev/full"}) {
        struct stat info {};
        ASSERT_EQ(::stat(device, &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << device;
    }

    TemporaryFolder folder;
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody reads it: refused at once instead of waiting for a reader.
    EXPECT_NE(messageOf([&] { writeFileAtomically(fifo, "x"); }), "");
    std::string received;
    std::thread reader([&] { received = readBytes(fifo); });
    // The reader opens the FIFO; until then the write is refused, so try for a while.
    for (int attempt = 0;
         attempt < 500 && !messageOf([&] { writeFileAtomically(fifo, "Tipp"); }).empty(); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    reader.join();
    EXPECT_EQ(received, "Tipp");
    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(AtomicFile, AFolderInThePlaceOfTheFileIsRefused) {
    TemporaryFolder folder;
    fs::create_directory(folder.path() / "Tipp.txt");
    EXPECT_NE(messageOf([&] {
                  writeFileAtomically(folder.path() / "Tipp.txt", "x");
              }).find("Es wurde nichts geschrieben"),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder.path() / "Tipp.txt"));
}

// A killed writer's temporary file once stayed for good beside every file but the draw
// file. The next write removes it, but neither a fresh one nor one a writer still holds.
TEST(AtomicFile, TheNextWriteRemovesWhatAKilledWriterLeft) {
    TemporaryFolder folder;
    const fs::path target = folder.path() / "Tipp.txt";
    const fs::path left = folder.path() / ".Tipp.txt.aaaaaa~";
    const fs::path fresh = folder.path() / ".Tipp.txt.bbbbbb~";
    const fs::path held = folder.path() / ".Tipp.txt.cccccc~";
    const fs::path other = folder.path() / ".Test.rtf.dddddd~";
    for (const fs::path& p : {left, fresh, held, other})
        writeBytes(p, "halb");
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const fs::path& p : {left, held, other})
        fs::last_write_time(p, old);
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    writeFileAtomically(target, "neu");
    ::close(holder);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(held));
    EXPECT_TRUE(fs::exists(other)); // another file's
    EXPECT_EQ(readBytes(target), "neu");
}

TEST(AtomicFile, RenamingDurablyNamesBothFilesAndTheReason) {
    TemporaryFolder folder;
    writeBytes(folder.path() / "a", "x");
    renameDurably(folder.path() / "a", folder.path() / "b");
    EXPECT_EQ(readBytes(folder.path() / "b"), "x");
    const std::string text =
        messageOf([&] { renameDurably(folder.path() / "a", folder.path() / "c"); });
    EXPECT_NE(text.find("\"" + (folder.path() / "a").string() + "\" in \"" +
                        (folder.path() / "c").string() + "\": " + ioReasonText(ENOENT)),
              std::string::npos)
        << text;
}

} // namespace
} // namespace kav::test
