// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/InputFile.h"

#include "base/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kav {
namespace {

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string tooLargeText(const std::filesystem::path& path, std::size_t limit) {
    return ioErrorText("Lesen", path, 0) + ": Die Datei ist größer als " + sizeText(limit) +
           ", so groß ist keine Datei dieser Art. Sie wurde nicht gelesen.";
}

} // namespace

std::string sizeText(std::size_t bytes) {
    if (bytes >= (std::size_t{1} << 20) && bytes % (std::size_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + " Bytes";
}

std::string readInputFile(const std::filesystem::path& path, std::size_t limit) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        throw IoError(ioErrorText("Öffnen", path, errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throw IoError(ioErrorText("Lesen", path, errno));
    if (S_ISDIR(status.st_mode))
        throw IoError(ioErrorText("Lesen", path, EISDIR));
    if (!S_ISREG(status.st_mode))
        throw IoError(ioErrorText("Lesen", path, 0) +
                      ": Das ist keine gewöhnliche Datei (ein Gerät, eine FIFO oder ein Socket). "
                      "Sie wurde nicht gelesen.");
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        throw IoError(tooLargeText(path, limit));

    std::string content;
    content.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    for (;;) {
        // The file may grow while it is read; one byte beyond the limit tells.
        if (filled == content.size())
            content.resize(std::min(limit + 1, content.size() * 2 + 4096));
        const ssize_t n = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(ioErrorText("Lesen", path, errno));
        }
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
        if (filled > limit)
            throw IoError(tooLargeText(path, limit));
    }
    content.resize(filled);
    return content;
}

} // namespace kav
