// SPDX-License-Identifier: GPL-3.0-or-later
// The draw file's lock between processes: a second writer waits, then names the holder and
// changes nothing; a killed holder's lock is free at once.
#include "base/FileLock.h"
#include "draws/DrawFile.h"

#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kav::test {
namespace {

using namespace std::chrono_literals;

// A child process that takes the draw file's lock and holds it until it is killed.
class LockHolderProcess {
public:
    explicit LockHolderProcess(const DrawFile& file) {
        int ready[2];
        if (::pipe(ready) != 0)
            throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            const FileLock held = file.lock();
            static_cast<void>(::write(ready[1], "x", 1));
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char c = 0;
        static_cast<void>(::read(ready[0], &c, 1));
        ::close(ready[0]);
    }
    ~LockHolderProcess() { kill(); }
    LockHolderProcess(const LockHolderProcess&) = delete;
    LockHolderProcess& operator=(const LockHolderProcess&) = delete;

    pid_t pid() const { return pid_; }
    void kill() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

class DrawFileLock : public ::testing::Test {
protected:
    DrawFileLock() { DrawFile::setLockWait(300ms); }
    ~DrawFileLock() override { DrawFile::setLockWait(previousWait); }

    std::chrono::milliseconds previousWait = DrawFile::lockWait();
    TemporaryFolder folder;
    DrawFile file{folder.path()};
};

TEST_F(DrawFileLock, ASecondWriterWaitsThenNamesTheHolderAndChangesNothing) {
    file.createWithSeed();
    const std::string before = readBytes(file.path());
    LockHolderProcess holder(file);

    const auto holderText = "(Prozess " + std::to_string(holder.pid()) + ")";
    const std::vector<std::pair<const char*, std::function<void()>>> writers{
        {"append",
         [&] {
             file.append(draw(day(2024, 6, 8), {1, 2, 3, 4, 5}, 0));
         }},
        {"replace", [&] { file.replace(std::vector<DrawRecord>{}); }},
        {"update", [&] { DrawFile::Updater updater(file); }},
        {"seed", [&] { file.provideWithSeed(); }},
    };
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        const auto start = std::chrono::steady_clock::now();
        try {
            write();
            ADD_FAILURE() << "wrote while another process held the lock";
        } catch (const IoError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("Die Ziehungsdatei wird gerade von kavanto_core_tests " +
                                holderText + " benutzt"),
                      std::string::npos)
                << text;
            EXPECT_NE(text.find("Es wurde nichts geändert"), std::string::npos) << text;
        }
        EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
        EXPECT_EQ(readBytes(file.path()), before);
    }
}

TEST_F(DrawFileLock, AWaitingWriterGoesOnOnceTheHolderEnds) {
    file.createWithSeed();
    DrawFile::setLockWait(10s);
    auto holder = std::make_unique<LockHolderProcess>(file);
    // The holder is killed while the writer waits: the system frees its lock at once, and
    // the stale name in the lock file is overwritten by the next holder.
    std::thread killer([&] {
        std::this_thread::sleep_for(200ms);
        holder->kill();
    });
    const auto start = std::chrono::steady_clock::now();
    file.append(draw(day(2024, 6, 8), {1, 2, 3, 4, 5}, 0));
    killer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(file.readAll().size(), 2u);

    // A lock file that names a process long gone does not stop anyone.
    writeBytes(folder.path() / DrawFile::kLockFileName, "kavanto-cli 999999\n");
    DrawFile::setLockWait(0ms);
    file.append(draw(day(2024, 6, 15), {1, 2, 3, 4, 5}, 0));
    EXPECT_EQ(file.readAll().size(), 3u);
}

TEST_F(DrawFileLock, TheLockFileNamesTheHolderOnlyWhileItIsHeld) {
    const auto lockFile = folder.path() / DrawFile::kLockFileName;
    {
        const FileLock held = file.lock();
        const LockHolder holder = FileLock::readHolder(lockFile);
        EXPECT_EQ(holder.program, "kavanto_core_tests");
        EXPECT_EQ(holder.processId, ::getpid());
        // Taking it again in the same process (the rebuild runs the update) only counts.
        { const FileLock again = file.lock(); }
        EXPECT_EQ(FileLock::readHolder(lockFile).processId, ::getpid());
    }
    EXPECT_EQ(FileLock::readHolder(lockFile).processId, std::nullopt);
    // A holder nobody can name is still told.
    EXPECT_EQ(FileLock::readHolder(folder.path() / "fehlt").processId, std::nullopt);
}

} // namespace
} // namespace kav::test
