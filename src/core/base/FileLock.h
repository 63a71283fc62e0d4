// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace kav {

// Who holds a lock, as its lock file names it.
struct LockHolder {
    std::string program; // empty when the lock file names nobody (yet)
    std::optional<long> processId;
};

// Another process kept the lock for the whole wait.
class FileLockBusy : public std::runtime_error {
public:
    explicit FileLockBusy(LockHolder holder);
    const LockHolder& holder() const { return holder_; }

private:
    LockHolder holder_;
};

// An advisory lock between the program's processes: flock(2) on a lock file, which names
// the holder ("PROGRAM PROCESS-ID") for whoever waits. The system releases it when the
// holder ends, however it ends, so a lock never outlives its process. Within one process
// the lock is shared: taking it again while it is held (the rebuild runs the update, which
// takes it too) just counts. The lock file stays; it is never replaced or removed, so all
// processes always lock the same file.
class FileLock {
public:
    // Takes the lock, trying again for up to `wait`. Throws FileLockBusy when another
    // process kept it that long, IoError when the lock file cannot be opened.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The holder a lock file names; empty when it names nobody.
    static LockHolder readHolder(const std::filesystem::path& lockFile);

private:
    std::string key_;
};

} // namespace kav
