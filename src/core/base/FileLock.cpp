// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileLock.h"

#include "base/IntegerText.h"
#include "base/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace kav {
namespace {

constexpr auto kRetryInterval = std::chrono::milliseconds(20);

struct HeldLock {
    int fd = -1;
    int count = 0;
    bool writable = false;
};

// The locks this process holds, by lock file.
std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}
std::map<std::string, HeldLock>& registry() {
    static std::map<std::string, HeldLock> locks;
    return locks;
}

std::string keyOf(const std::filesystem::path& lockFile) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(lockFile, ec);
    return (ec ? lockFile : absolute).lexically_normal().string();
}

LockHolder parseHolder(const std::string& text) {
    LockHolder holder;
    const std::size_t end = text.find('\n');
    const std::string line = text.substr(0, end);
    const std::size_t space = line.rfind(' ');
    if (space == std::string::npos || space == 0)
        return holder;
    const auto pid = parseInteger(line.substr(space + 1));
    if (!pid || *pid <= 0)
        return holder;
    holder.program = line.substr(0, space);
    holder.processId = *pid;
    return holder;
}

LockHolder readHolderFrom(int fd) {
    char buffer[256];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
    return got > 0 ? parseHolder(std::string(buffer, static_cast<std::size_t>(got))) : LockHolder{};
}

// "kavanto-cli 1234\n": what a waiting process shows the user.
void writeHolder(int fd) {
    const std::string text =
        std::string(program_invocation_short_name) + " " + std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0)
        static_cast<void>(::pwrite(fd, text.data(), text.size(), 0));
}

int openLockFile(const std::filesystem::path& lockFile, bool& writable) {
    writable = true;
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        // A lock file someone else created (or on a read-only medium) still locks; it just
        // cannot name this process. Without one, the first reason is the one to tell.
        const int err = errno;
        writable = false;
        fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            errno = err;
    }
    return fd;
}

} // namespace

FileLockBusy::FileLockBusy(LockHolder holder)
    : std::runtime_error("lock busy"), holder_(std::move(holder)) {}

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait)
    : key_(keyOf(lockFile)) {
    const std::lock_guard guard(registryMutex());
    if (const auto held = registry().find(key_); held != registry().end()) {
        ++held->second.count;
        return;
    }
    HeldLock lock;
    lock.fd = openLockFile(lockFile, lock.writable);
    if (lock.fd < 0)
        throw IoError(ioErrorText("Sperren", lockFile, errno));
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(lock.fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err != EWOULDBLOCK) {
            ::close(lock.fd);
            throw IoError(ioErrorText("Sperren", lockFile, err));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            LockHolder holder = readHolderFrom(lock.fd);
            ::close(lock.fd);
            throw FileLockBusy(std::move(holder));
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
    if (lock.writable)
        writeHolder(lock.fd);
    lock.count = 1;
    registry()[key_] = lock;
}

FileLock::FileLock(FileLock&& other) noexcept : key_(std::move(other.key_)) {
    other.key_.clear();
}

FileLock::~FileLock() {
    if (key_.empty())
        return;
    const std::lock_guard guard(registryMutex());
    const auto held = registry().find(key_);
    if (held == registry().end() || --held->second.count > 0)
        return;
    // The name goes before the lock, so the next holder never finds this process named.
    if (held->second.writable)
        static_cast<void>(::ftruncate(held->second.fd, 0));
    ::close(held->second.fd);
    registry().erase(held);
}

LockHolder FileLock::readHolder(const std::filesystem::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    LockHolder holder = readHolderFrom(fd);
    ::close(fd);
    return holder;
}

} // namespace kav
