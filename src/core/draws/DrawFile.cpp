// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawFile.h"

#include "base/AtomicFile.h"
#include "base/FileLayer.h"
#include "base/InputFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kav {
namespace {

// Long enough for the window's update to answer a request, short enough that a second
// writer does not seem to hang.
std::chrono::milliseconds& configuredLockWait() {
    static std::chrono::milliseconds wait{5000};
    return wait;
}

std::string encoded(std::span<const DrawRecord> records) {
    std::string bytes;
    bytes.reserve(records.size() * kRecordSize);
    for (const DrawRecord& record : records) {
        const auto e = record.encode();
        bytes.append(e.begin(), e.end());
    }
    return bytes;
}

std::string busyText(const LockHolder& holder) {
    const std::string who =
        holder.processId ? holder.program + " (Prozess " + std::to_string(*holder.processId) + ")"
                         : "einem anderen Programm";
    return "Die Ziehungsdatei wird gerade von " + who +
           " benutzt. Es wurde nichts geändert. Versuchen Sie es noch einmal, sobald das "
           "andere Programm fertig ist.";
}

DrawFileState stateOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? DrawFileState::Missing : DrawFileState::NotAFile;
    if (!S_ISREG(info.st_mode))
        return DrawFileState::NotAFile;
    return static_cast<std::uint64_t>(info.st_size) < kRecordSize ? DrawFileState::NoWholeRecord
                                                                  : DrawFileState::HoldsDraws;
}

} // namespace

DrawFile::DrawFile(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)), path_(folder_ / kFileName) {}

bool DrawFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec);
}

DrawFileState DrawFile::state() const {
    return stateOf(path_);
}

std::string DrawFile::notAFileText() const {
    std::error_code ec;
    if (std::filesystem::is_directory(path_, ec))
        return ioErrorText("Lesen", path_, EISDIR) +
               ". An der Stelle der Ziehungsdatei liegt ein Ordner; benennen Sie ihn um.";
    return ioErrorText("Lesen", path_, 0) + ": Das ist keine gewöhnliche Datei.";
}

DrawSnapshot DrawFile::readAll() const {
    return readDrawRecords(path_);
}

DrawSnapshot readDrawRecords(const std::filesystem::path& path) {
    const std::string bytes = readInputFile(path, inputLimit::kDrawFile);
    return parseDrawRecords({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

DrawSnapshot parseDrawRecords(std::span<const std::uint8_t> bytes) {
    DrawSnapshot snapshot;
    const std::size_t count = bytes.size() / kRecordSize;
    snapshot.records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        snapshot.records.push_back(DrawRecord::decode(bytes.data() + i * kRecordSize));
        if (!snapshot.records.back().isValid())
            ++snapshot.damagedRecords;
    }
    return snapshot;
}

std::chrono::milliseconds DrawFile::lockWait() {
    return configuredLockWait();
}

void DrawFile::setLockWait(std::chrono::milliseconds wait) {
    configuredLockWait() = wait;
}

FileLock DrawFile::lock() const {
    try {
        return FileLock(folder_ / kLockFileName, lockWait());
    } catch (const FileLockBusy& busy) {
        throw IoError(busyText(busy.holder()));
    }
}

void DrawFile::createWithSeed() const {
    const std::array<DrawRecord, 1> seed{DrawRecord::seed()};
    replace(seed);
}

DrawFile::Provided DrawFile::provideWithSeed() const {
    const FileLock held = lock();
    switch (state()) {
    case DrawFileState::HoldsDraws:
        return Provided::Present;
    case DrawFileState::NotAFile:
        throw IoError(notAFileText());
    case DrawFileState::Missing:
    case DrawFileState::NoWholeRecord:
        break;
    }
    const std::filesystem::path backup = folder_ / kBackupName;
    if (stateOf(backup) == DrawFileState::HoldsDraws) {
        renameDurably(backup, path_);
        return Provided::Restored;
    }
    createWithSeed();
    return Provided::Created;
}

void DrawFile::append(const DrawRecord& record) const {
    Updater updater(*this);
    updater.append(record);
    updater.close();
}

void DrawFile::replace(std::span<const DrawRecord> records) const {
    const FileLock held = lock();
    // The draw file is a file: a device or a FIFO in its place is not written to.
    if (state() == DrawFileState::NotAFile)
        throw IoError(notAFileText());
    // Under the lock no writer of the draw file is at work: whatever it left goes.
    removeLeftTemporaries(path_, std::chrono::seconds(0));
    writeFileAtomically(path_, encoded(records));
}

DrawFile::Updater::Updater(const DrawFile& file) : lock_(file.lock()), path_(file.path()) {
    // A FIFO in the draw file's place would block the open; a device would take the records.
    if (file.state() == DrawFileState::NotAFile)
        throw IoError(file.notAFileText());
    FileLayer& layer = fileLayer();
    int err = layer.open(path_, O_RDWR, 0, fd_);
    if (err == ENOENT) {
        err = layer.open(path_, O_RDWR | O_CREAT | O_EXCL, 0666, fd_);
        if (!err)
            syncFolder(file.folder());
    }
    if (err)
        throw IoError(ioErrorText("Öffnen", path_, err));
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        err = errno;
        layer.close(fd_);
        fd_ = -1;
        throw IoError(ioErrorText("Lesen", path_, err));
    }
    count_ = static_cast<std::size_t>(info.st_size) / kRecordSize;
    syncedCount_ = count_;
}

DrawFile::Updater::~Updater() {
    if (fd_ < 0)
        return;
    // Left by an error: the whole records appended so far stay and go to the disk.
    if (syncedCount_ != count_)
        fileLayer().sync(fd_);
    fileLayer().close(fd_);
}

std::optional<DrawRecord> DrawFile::Updater::lastRecord() {
    if (count_ == 0)
        return std::nullopt;
    std::uint8_t bytes[kRecordSize];
    errno = 0;
    const ssize_t got =
        ::pread(fd_, bytes, kRecordSize, static_cast<off_t>((count_ - 1) * kRecordSize));
    if (got != static_cast<ssize_t>(kRecordSize))
        throw IoError(ioErrorText("Lesen", path_, got < 0 ? errno : EIO));
    return DrawRecord::decode(bytes);
}

void DrawFile::Updater::append(const DrawRecord& record) {
    if (fd_ < 0)
        throw IoError(ioErrorText("Schreiben", path_, EBADF));
    const auto bytes = record.encode();
    if (const int err =
            writeAllAt(fileLayer(), fd_, bytes.data(), bytes.size(), count_ * kRecordSize)) {
        ++count_;
        throw IoError(ioErrorText("Schreiben", path_, err) + ". " + rollBack());
    }
    ++count_;
    if (count_ - syncedCount_ >= kRecordsPerSync)
        sync();
}

void DrawFile::Updater::sync() {
    if (fd_ < 0 || syncedCount_ == count_)
        return;
    if (const int err = fileLayer().sync(fd_))
        throw IoError(ioErrorText("Sichern", path_, err) + ". " + rollBack());
    syncedCount_ = count_;
}

std::string DrawFile::Updater::rollBack() {
    // The file ends where it ended at the last sync again: no part of a record, and no
    // record whose storing is reported as failed, stays.
    const std::size_t lost = count_ - syncedCount_;
    fileLayer().truncate(fd_, syncedCount_ * kRecordSize);
    count_ = syncedCount_;
    return lost == 1
               ? "Diese Ziehung wurde nicht gespeichert."
               : "Die letzten " + std::to_string(lost) + " Ziehungen wurden nicht gespeichert.";
}

void DrawFile::Updater::close() {
    if (fd_ < 0)
        return;
    sync();
    // Once synced, the records are on the disk: an error of close itself loses nothing.
    fileLayer().close(fd_);
    fd_ = -1;
}

} // namespace kav
