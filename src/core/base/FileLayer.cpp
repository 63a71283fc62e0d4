// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileLayer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace kav {
namespace {

// Repeats a call that a signal interrupted before it did anything.
template <typename Call> auto retried(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR)
            return result;
    }
}

class PosixFileLayer final : public FileLayer {
public:
    int open(const std::filesystem::path& path, int flags, unsigned mode, int& fd) override {
        fd = retried([&] { return ::open(path.c_str(), flags | O_CLOEXEC, mode); });
        return fd < 0 ? errno : 0;
    }
    int writeAt(int fd, const void* data, std::size_t size, std::uint64_t offset,
                std::size_t& written) override {
        const ssize_t n =
            retried([&] { return ::pwrite(fd, data, size, static_cast<off_t>(offset)); });
        written = n > 0 ? static_cast<std::size_t>(n) : 0;
        return n < 0 ? errno : 0;
    }
    int truncate(int fd, std::uint64_t size) override {
        return retried([&] { return ::ftruncate(fd, static_cast<off_t>(size)); }) != 0 ? errno : 0;
    }
    int sync(int fd) override {
        return retried([&] { return ::fsync(fd); }) != 0 ? errno : 0;
    }
    int close(int fd) override {
        // Linux releases the descriptor even when close reports an error: never retried.
        return ::close(fd) != 0 ? errno : 0;
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return std::rename(from.c_str(), to.c_str()) != 0 ? errno : 0;
    }
    int remove(const std::filesystem::path& path) override {
        return ::unlink(path.c_str()) != 0 ? errno : 0;
    }
};

FileLayer*& currentLayer() {
    static FileLayer* layer = &posixFileLayer();
    return layer;
}

} // namespace

FileLayer& posixFileLayer() {
    static PosixFileLayer layer;
    return layer;
}

FileLayer& fileLayer() {
    return *currentLayer();
}

FileLayerOverride::FileLayerOverride(FileLayer& layer) : previous_(currentLayer()) {
    currentLayer() = &layer;
}

FileLayerOverride::~FileLayerOverride() {
    currentLayer() = previous_;
}

int writeAllAt(FileLayer& layer, int fd, const void* data, std::size_t size, std::uint64_t offset) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        std::size_t written = 0;
        if (const int err = layer.writeAt(fd, bytes, size, offset, written))
            return err;
        if (written == 0)
            return ENOSPC;
        bytes += written;
        size -= written;
        offset += written;
    }
    return 0;
}

} // namespace kav
