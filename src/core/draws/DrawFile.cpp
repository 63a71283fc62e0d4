// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawFile.h"

#include <cerrno>
#include <memory>

namespace kav {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::filesystem::path& path, const char* mode, const char* action) {
    errno = 0;
    FilePtr f(std::fopen(path.c_str(), mode));
    if (!f)
        throw IoError(ioErrorText(action, path, errno));
    return f;
}

void writeRecord(std::FILE* f, const DrawRecord& record, const std::filesystem::path& path) {
    const auto bytes = record.encode();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        throw IoError(ioErrorText("Schreiben", path, errno));
}

// Flushes and closes, reporting a failure (a full disk often shows only here).
void closeChecked(FilePtr& f, const std::filesystem::path& path) {
    errno = 0;
    const bool flushed = std::fflush(f.get()) == 0 && !std::ferror(f.get());
    const int flushErr = errno;
    const bool closed = std::fclose(f.release()) == 0;
    if (!flushed || !closed)
        throw IoError(ioErrorText("Schreiben", path, flushErr ? flushErr : errno));
}

} // namespace

DrawFile::DrawFile(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)), path_(folder_ / kFileName) {}

bool DrawFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec);
}

DrawSnapshot DrawFile::readAll() const {
    return readDrawRecords(path_);
}

DrawSnapshot readDrawRecords(const std::filesystem::path& path) {
    FilePtr f = openFile(path, "rb", "Lesen");
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[64 * kRecordSize];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f.get())) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    if (std::ferror(f.get()))
        throw IoError(ioErrorText("Lesen", path, errno));
    return parseDrawRecords(bytes);
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

void DrawFile::createWithSeed() const {
    FilePtr f = openFile(path_, "wb", "Anlegen");
    writeRecord(f.get(), DrawRecord::seed(), path_);
    closeChecked(f, path_);
}

void DrawFile::append(const DrawRecord& record) const {
    Updater updater(*this);
    updater.append(record);
    updater.close();
}

void DrawFile::replaceViaTemporary(const std::string& temporaryName,
                                   std::span<const DrawRecord> records) const {
    const std::filesystem::path temporary = folder_ / temporaryName;
    try {
        FilePtr f = openFile(temporary, "wb", "Anlegen");
        for (const DrawRecord& record : records)
            writeRecord(f.get(), record, temporary);
        closeChecked(f, temporary);
    } catch (const IoError&) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    // rename() replaces the draw file in one step: there is no moment without it.
    std::error_code ec;
    std::filesystem::rename(temporary, path_, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw IoError(ioErrorText("Umbenennen", temporary, ec.value()));
    }
}

DrawFile::Updater::Updater(const DrawFile& file) : path_(file.path()) {
    errno = 0;
    file_ = std::fopen(path_.c_str(), "r+b");
    if (!file_)
        file_ = std::fopen(path_.c_str(), "w+b");
    if (!file_)
        throw IoError(ioErrorText("Öffnen", path_, errno));
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        const int err = errno;
        close();
        throw IoError(ioErrorText("Lesen", path_, err));
    }
    const long size = std::ftell(file_);
    count_ = size > 0 ? static_cast<std::size_t>(size) / kRecordSize : 0;
}

DrawFile::Updater::~Updater() {
    if (file_)
        std::fclose(file_);
}

std::optional<DrawRecord> DrawFile::Updater::lastRecord() {
    if (count_ == 0)
        return std::nullopt;
    std::uint8_t bytes[kRecordSize];
    if (std::fseek(file_, static_cast<long>((count_ - 1) * kRecordSize), SEEK_SET) != 0 ||
        std::fread(bytes, 1, kRecordSize, file_) != kRecordSize)
        throw IoError(ioErrorText("Lesen", path_, errno));
    return DrawRecord::decode(bytes);
}

void DrawFile::Updater::append(const DrawRecord& record) {
    if (!file_)
        throw IoError(ioErrorText("Schreiben", path_, EBADF));
    if (std::fseek(file_, static_cast<long>(count_ * kRecordSize), SEEK_SET) != 0)
        throw IoError(ioErrorText("Schreiben", path_, errno));
    writeRecord(file_, record, path_);
    errno = 0;
    if (std::fflush(file_) != 0)
        throw IoError(ioErrorText("Schreiben", path_, errno));
    ++count_;
}

void DrawFile::Updater::close() {
    if (!file_)
        return;
    std::FILE* f = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0)
        throw IoError(ioErrorText("Schließen", path_, errno));
}

} // namespace kav
