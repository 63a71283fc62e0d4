// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kav {

// The file operations every writer of the program goes through: the safe-write path, the
// draw file's appends and the rebuild's renames. Each returns 0 or the error number of the
// failure, taken at once, so nothing in between can reset it. Tests put a layer in place
// that fails at any step (after N bytes, at fsync, at close, at rename) and check that
// every writer leaves the old file intact. Reads do not go through it: they stay as fast
// as the plain calls.
class FileLayer {
public:
    virtual ~FileLayer() = default;

    // open(2): `fd` receives the descriptor.
    virtual int open(const std::filesystem::path& path, int flags, unsigned mode, int& fd) = 0;
    // One pwrite(2) at `offset`; `written` may come back smaller than `size`.
    virtual int writeAt(int fd, const void* data, std::size_t size, std::uint64_t offset,
                        std::size_t& written) = 0;
    virtual int truncate(int fd, std::uint64_t size) = 0;
    virtual int sync(int fd) = 0;
    // The descriptor is released whatever the result.
    virtual int close(int fd) = 0;
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual int remove(const std::filesystem::path& path) = 0;
};

// The plain POSIX calls.
FileLayer& posixFileLayer();

// The layer in use: the POSIX one unless a test put another in place.
FileLayer& fileLayer();

// Puts `layer` in place for its lifetime (tests).
class FileLayerOverride {
public:
    explicit FileLayerOverride(FileLayer& layer);
    ~FileLayerOverride();
    FileLayerOverride(const FileLayerOverride&) = delete;
    FileLayerOverride& operator=(const FileLayerOverride&) = delete;

private:
    FileLayer* previous_;
};

// Writes all of `size` bytes at `offset`, call after call (a write may take only part);
// returns 0 or the error number. A write that takes nothing without an error counts as a
// full disk.
int writeAllAt(FileLayer& layer, int fd, const void* data, std::size_t size, std::uint64_t offset);

} // namespace kav
