// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/FileLayer.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace kav::test {

// A file layer that passes every call on to the POSIX one until its planned failure: the
// write that would go beyond N bytes in all (a full disk: that write takes what still
// fits, every later one fails), or the n-th open, sync, close, rename or truncate. It
// counts what the writer did, so a run without a failure tells how many bytes and steps a
// writer takes.
class FailingFileLayer : public FileLayer {
public:
    enum class Step { None, Write, Open, Sync, Close, Rename, Truncate };

    FailingFileLayer() = default;
    // Fails the `nth` call of `step` (1 = the first) with `error`; for Write, `nth` is the
    // number of bytes that still get written.
    FailingFileLayer(Step step, std::size_t nth, int error)
        : step_(step), nth_(nth), error_(error) {}

    static FailingFileLayer afterBytes(std::size_t bytes, int error = ENOSPC) {
        return {Step::Write, bytes, error};
    }

    // Whether the planned failure happened.
    bool failed() const { return failed_; }
    std::size_t bytesWritten() const { return bytes_; }
    std::size_t calls(Step step) const { return counts_[static_cast<std::size_t>(step)]; }
    // The files the writer opened, in order.
    const std::vector<std::filesystem::path>& opened() const { return opened_; }

    int open(const std::filesystem::path& path, int flags, unsigned mode, int& fd) override {
        if (const int err = planned(Step::Open))
            return err;
        opened_.push_back(path);
        return posixFileLayer().open(path, flags, mode, fd);
    }
    int writeAt(int fd, const void* data, std::size_t size, std::uint64_t offset,
                std::size_t& written) override {
        ++counts_[static_cast<std::size_t>(Step::Write)];
        written = 0;
        if (step_ == Step::Write) {
            const std::size_t room = nth_ > bytes_ ? nth_ - bytes_ : 0;
            if (room == 0) {
                failed_ = true;
                return error_;
            }
            size = std::min(size, room);
        }
        const int err = posixFileLayer().writeAt(fd, data, size, offset, written);
        bytes_ += written;
        return err;
    }
    int truncate(int fd, std::uint64_t size) override {
        if (const int err = planned(Step::Truncate))
            return err;
        return posixFileLayer().truncate(fd, size);
    }
    // Syncs are counted, not done: the tests check what happens around them, and a real
    // sync per step would make a matrix of thousands of writes wait for the disk.
    int sync(int) override { return planned(Step::Sync); }
    int close(int fd) override {
        // The descriptor goes whatever close reports, as on Linux.
        const int err = posixFileLayer().close(fd);
        if (const int injected = planned(Step::Close))
            return injected;
        return err;
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (const int err = planned(Step::Rename))
            return err;
        return posixFileLayer().rename(from, to);
    }
    int remove(const std::filesystem::path& path) override { return posixFileLayer().remove(path); }

private:
    int planned(Step step) {
        const std::size_t count = ++counts_[static_cast<std::size_t>(step)];
        if (step != step_ || count != nth_)
            return 0;
        failed_ = true;
        return error_;
    }

    Step step_ = Step::None;
    std::size_t nth_ = 0;
    int error_ = 0;
    bool failed_ = false;
    std::size_t bytes_ = 0;
    std::size_t counts_[7]{};
    std::vector<std::filesystem::path> opened_;
};

// The temporary files of the safe-write path left in `folder` (".NAME.XXXXXX~").
inline std::vector<std::string> temporaryFilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 2 && name.front() == '.' && name.back() == '~')
            names.push_back(entry.path().string());
    }
    return names;
}

} // namespace kav::test
