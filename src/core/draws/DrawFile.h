// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/FileLock.h"
#include "base/IoError.h"
#include "model/DrawRecord.h"
#include "model/DrawSnapshot.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kav {

// The full scan of a draw file at any path (the draw-data service serves one). Throws
// IoError when it is missing or cannot be read.
DrawSnapshot readDrawRecords(const std::filesystem::path& path);

// The records of a draw file's bytes: every whole record in order, a trailing fragment
// shorter than a record left out, damaged records counted. The file readers use it.
DrawSnapshot parseDrawRecords(std::span<const std::uint8_t> bytes);

// What lies at the draw file's place.
enum class DrawFileState {
    Missing,       // nothing
    NotAFile,      // a folder or another thing that is no regular file
    NoWholeRecord, // a file shorter than one record: empty, or a fragment of a lost write
    HoldsDraws,    // at least one whole record
};

// "ZahlenKav.dat" in the program folder: a headerless sequence of 16-byte records in
// ascending date order. A trailing fragment shorter than a record is never read, and
// writers append at the last whole-record boundary, so a fragment is overwritten.
//
// Every writer holds the draw file's lock (the window, kavanto-cli and the update, in
// every process) from its read to its last write, so no writer overwrites another's
// draws. Readers need none: a rewrite replaces the file in one rename, and an append
// writes a whole record in one call, so a reader sees the old file or the new one.
class DrawFile {
public:
    static constexpr const char* kFileName = "ZahlenKav.dat";
    // The lock file beside it: never removed, it names the writer holding the lock.
    static constexpr const char* kLockFileName = "ZahlenKav.dat.lock";
    // The rebuild keeps the old draws under this name until the new file holds a draw.
    static constexpr const char* kBackupName = "ZahlenKav.bak";

    explicit DrawFile(std::filesystem::path programFolder);

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }
    bool exists() const;
    DrawFileState state() const;

    // The full scan: open for reading, read every whole record, close. Throws IoError
    // when the file is missing or cannot be read.
    DrawSnapshot readAll() const;

    // The writers' lock. Waits up to `lockWait()` while another process holds it, then
    // throws IoError telling which program holds it. Taking it again in the same process
    // while it is held only counts.
    FileLock lock() const;
    static std::chrono::milliseconds lockWait();
    static void setLockWait(std::chrono::milliseconds wait);

    // Creates or replaces the file with the seed draw as its only record, through the
    // safe-write path (a full disk or a kill never leaves an empty or partial file).
    void createWithSeed() const;

    enum class Provided { Present, Created, Restored };
    // What `init`, the first start and an update without draws need: under the lock, a
    // file that holds no whole record (missing, empty or a fragment) gets back the draws
    // an interrupted rebuild left in its backup, or else the seed draw. Throws IoError
    // when something that is no file lies in its place.
    Provided provideWithSeed() const;

    // Appends one record at the last whole-record boundary (creating the file when
    // missing) and syncs it to the disk before it returns. A failure leaves the file as
    // it was and throws IoError.
    void append(const DrawRecord& record) const;

    // Replaces the whole file with `records` through the safe-write path: on any failure
    // the draw file stays as it was, no temporary file is left and IoError is thrown.
    void replace(std::span<const DrawRecord> records) const;

    // The open-for-update handle of the internet update: holds the lock and keeps the
    // file open for a whole run, knows the number of whole records and appends after the
    // last one. Appends reach the disk every `kRecordsPerSync` records, at sync() and at
    // close(), before the update reports what it stored. A failed write or sync takes
    // the records since the last sync out again (they are fetched again by the next
    // update), so the file never keeps part of a record or a draw reported as not stored.
    class Updater {
    public:
        static constexpr std::size_t kRecordsPerSync = 64;

        explicit Updater(const DrawFile& file);
        ~Updater();
        Updater(const Updater&) = delete;
        Updater& operator=(const Updater&) = delete;

        std::size_t recordCount() const { return count_; }
        std::optional<DrawRecord> lastRecord();
        // Throws IoError.
        void append(const DrawRecord& record);
        void sync();
        void close();

    private:
        std::string rollBack();

        FileLock lock_;
        std::filesystem::path path_;
        int fd_ = -1;
        std::size_t count_ = 0;
        std::size_t syncedCount_ = 0; // records known to be on the disk
    };

private:
    std::string notAFileText() const;

    std::filesystem::path folder_;
    std::filesystem::path path_;
};

} // namespace kav
