// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/IoError.h"
#include "draws/DrawRecord.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kav {

// The draw file as read by one command: all whole records in file order. A command reads
// the file once into a snapshot and works on that, so it always sees the file as on disk.
struct DrawSnapshot {
    std::vector<DrawRecord> records;
    int damagedRecords = 0; // records whose numbers or key are out of range

    std::size_t size() const { return records.size(); }
    bool empty() const { return records.empty(); }
};

// The full scan of a draw file at any path (the draw-data service serves one). Throws
// IoError when it is missing or cannot be read.
DrawSnapshot readDrawRecords(const std::filesystem::path& path);

// The records of a draw file's bytes: every whole record in order, a trailing fragment
// shorter than a record left out, damaged records counted. The file readers use it.
DrawSnapshot parseDrawRecords(std::span<const std::uint8_t> bytes);

// "ZahlenKav.dat" in the program folder: a headerless sequence of 16-byte records in
// ascending date order. A trailing fragment shorter than a record is never read, and
// writers append at the last whole-record boundary, so a fragment is overwritten.
class DrawFile {
public:
    static constexpr const char* kFileName = "ZahlenKav.dat";
    // Temporary names of the two rewrites.
    static constexpr const char* kMergeTemporary = "ZahlenKav.dat~";
    static constexpr const char* kDeleteTemporary = "Zahlen.da~";

    explicit DrawFile(std::filesystem::path programFolder);

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }
    bool exists() const;

    // The full scan: open for reading, read every whole record, close. Throws IoError
    // when the file is missing or cannot be read.
    DrawSnapshot readAll() const;

    // Creates or truncates the file with the seed draw as its only record.
    void createWithSeed() const;

    // Appends one record at the last whole-record boundary (opening the file for update,
    // creating it empty when missing).
    void append(const DrawRecord& record) const;

    // Writes `records` to the temporary file in the program folder and renames it over
    // the draw file only after it was completely written and closed. On any failure the
    // temporary file is removed, the draw file is left as it was, and IoError is thrown.
    void replaceViaTemporary(const std::string& temporaryName,
                             std::span<const DrawRecord> records) const;

    // The open-for-update handle of the internet update: keeps the file open for a whole
    // run, knows the number of whole records and appends after the last one.
    class Updater {
    public:
        explicit Updater(const DrawFile& file);
        ~Updater();
        Updater(const Updater&) = delete;
        Updater& operator=(const Updater&) = delete;

        std::size_t recordCount() const { return count_; }
        std::optional<DrawRecord> lastRecord();
        void append(const DrawRecord& record);
        void close();

    private:
        std::filesystem::path path_;
        std::FILE* file_ = nullptr;
        std::size_t count_ = 0;
    };

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

} // namespace kav
