// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AtomicFile.h"

#include "base/FileLayer.h"
#include "base/IoError.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kav {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSuffixLength = 6;
constexpr int kNameAttempts = 100;

// ".NAME.XXXXXX~": hidden, so a file dialog never offers one, and recognisably ours.
std::string temporaryName(const std::string& target) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random(
        std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    std::string name = "." + target + ".";
    for (std::size_t i = 0; i < kSuffixLength; ++i)
        name += kLetters[letter(random)];
    return name + "~";
}

// The file a write replaces: a symbolic link is followed, so the link stays.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

// "E/A-Fehler beim Schreiben der temporären Datei "T" für "P": REASON. "P" ist unverändert."
std::string temporaryFailure(const char* action, const fs::path& temporary, const fs::path& target,
                             int err, bool targetExisted) {
    return std::string("E/A-Fehler beim ") + action + " der temporären Datei " + quoted(temporary) +
           " für " + quoted(target) + ": " + ioReasonText(err) + ". " + quoted(target) +
           (targetExisted ? " ist unverändert." : " wurde nicht angelegt.");
}

// Opens a new temporary file beside `target` under a name no other file has, and holds a
// lock on it while it is written: a temporary file nobody holds was left by a killed writer.
int createTemporary(FileLayer& layer, const fs::path& target, unsigned mode, fs::path& temporary,
                    int& fd) {
    const std::string name = target.filename().string();
    int err = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && err == EEXIST; ++attempt) {
        temporary = target.parent_path() / temporaryName(name);
        err = layer.open(temporary, O_WRONLY | O_CREAT | O_EXCL, mode, fd);
    }
    if (!err)
        static_cast<void>(::flock(fd, LOCK_EX | LOCK_NB));
    return err;
}

// A writer that was just started has made its temporary file but not yet locked it; one
// this much older that nobody holds is a killed writer's.
constexpr auto kLeftTemporaryAge = std::chrono::seconds(2);

bool isHeldByAWriter(const fs::path& temporary) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return true; // gone meanwhile, or not ours to judge
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// A device or a FIFO (a terminal, /dev/null, a pipe such as /dev/stdout) takes the content
// as a stream; it is never replaced by a file. Opening a FIFO nobody reads fails at once
// (ENXIO) instead of waiting.
void writeDirectly(const fs::path& target, std::string_view content) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw IoError(ioErrorText("Öffnen", target, errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::size_t done = 0;
    int err = 0;
    while (done < content.size() && !err) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            err = ENOSPC;
        else if (errno != EINTR)
            err = errno;
    }
    if (::close(fd) != 0 && !err && errno != EINTR)
        err = errno;
    if (err)
        throw IoError(ioErrorText("Schreiben", target, err));
}

} // namespace

void removeLeftTemporaries(const std::filesystem::path& target, std::chrono::seconds minimumAge) {
    const std::string name = target.filename().string();
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isTemporaryNameFor(it->path().filename().string(), name))
            continue;
        std::error_code timeError;
        const auto written = fs::last_write_time(it->path(), timeError);
        if (timeError || now - written < minimumAge || isHeldByAWriter(it->path()))
            continue;
        fileLayer().remove(it->path());
    }
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileAccess access) {
    FileLayer& layer = fileLayer();
    const fs::path target = resolvedTarget(path);
    struct stat existing {};
    const bool targetExisted = ::stat(target.c_str(), &existing) == 0;
    if (targetExisted && !S_ISREG(existing.st_mode)) {
        if (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode)) {
            writeDirectly(target, content);
            return;
        }
        throw IoError(ioErrorText("Schreiben", target, S_ISDIR(existing.st_mode) ? EISDIR : 0) +
                      (S_ISDIR(existing.st_mode) ? "" : ": Das ist keine gewöhnliche Datei") +
                      ". Es wurde nichts geschrieben.");
    }
    const unsigned mode = access == FileAccess::OwnerOnly ? 0600u : 0666u;

    fs::path temporary;
    int fd = -1;
    if (const int err = createTemporary(layer, target, mode, temporary, fd))
        throw IoError(temporaryFailure("Anlegen", temporary, target, err, targetExisted));

    // From here on a failure removes the temporary file before it is reported.
    const auto fail = [&](const char* action, int err) {
        layer.remove(temporary);
        throw IoError(temporaryFailure(action, temporary, target, err, targetExisted));
    };
    int err = 0;
    if (access == FileAccess::OwnerOnly) {
        // Exactly 0600 whatever the creation mask took away, before a byte is written.
        if (::fchmod(fd, 0600) != 0)
            err = errno;
    } else if (targetExisted && S_ISREG(existing.st_mode)) {
        // The replacement keeps the permissions the user gave the file. A file system
        // without them (a FAT stick) refuses; the write goes on regardless.
        static_cast<void>(::fchmod(fd, existing.st_mode & 07777));
    }
    if (!err)
        err = writeAllAt(layer, fd, content.data(), content.size(), 0);
    const char* action = "Schreiben";
    if (!err && (err = layer.sync(fd)) != 0)
        action = "Sichern";
    if (const int closeErr = layer.close(fd); !err && closeErr) {
        err = closeErr;
        action = "Schließen";
    }
    if (err)
        fail(action, err);

    // What a killed writer of the same file left goes, now that this write is through.
    removeLeftTemporaries(target, kLeftTemporaryAge);
    if (const int renameErr = layer.rename(temporary, target)) {
        layer.remove(temporary);
        throw IoError("E/A-Fehler beim Umbenennen der temporären Datei " + quoted(temporary) +
                      " in " + quoted(target) + ": " + ioReasonText(renameErr) + ". " +
                      quoted(target) +
                      (targetExisted ? " ist unverändert." : " wurde nicht angelegt."));
    }
    syncFolder(target.parent_path());
}

void syncFolder(const std::filesystem::path& folder) {
    FileLayer& layer = fileLayer();
    const fs::path dir = folder.empty() ? fs::path(".") : folder;
    int fd = -1;
    // A folder that cannot be opened for reading (write and search permission only) can
    // still hold the file; its entry then reaches the disk with the next sync of the system.
    if (layer.open(dir, O_RDONLY | O_DIRECTORY, 0, fd) != 0)
        return;
    const int err = layer.sync(fd);
    layer.close(fd);
    // Some file systems do not sync folders at all (EINVAL); only a device error counts.
    if (err == EIO)
        throw IoError(ioErrorText("Sichern des Ordners", dir, err) +
                      ". Die letzte Änderung darin ist womöglich nicht dauerhaft gespeichert.");
}

void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const int err = fileLayer().rename(from, to))
        throw IoError("E/A-Fehler beim Umbenennen von " + quoted(from) + " in " + quoted(to) +
                      ": " + ioReasonText(err));
    syncFolder(to.parent_path());
}

bool isTemporaryNameFor(std::string_view name, std::string_view target) {
    return name.size() == target.size() + kSuffixLength + 3 && name.front() == '.' &&
           name.substr(1, target.size()) == target && name[target.size() + 1] == '.' &&
           name.back() == '~';
}

} // namespace kav
