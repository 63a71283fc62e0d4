// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AtomicFile.h"

#include "base/FileLayer.h"
#include "base/IoError.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
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

// Opens a new temporary file beside `target` under a name no other file has.
int createTemporary(FileLayer& layer, const fs::path& target, unsigned mode, fs::path& temporary,
                    int& fd) {
    const std::string name = target.filename().string();
    int err = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && err == EEXIST; ++attempt) {
        temporary = target.parent_path() / temporaryName(name);
        err = layer.open(temporary, O_WRONLY | O_CREAT | O_EXCL, mode, fd);
    }
    return err;
}

} // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileAccess access) {
    FileLayer& layer = fileLayer();
    const fs::path target = resolvedTarget(path);
    struct stat existing {};
    const bool targetExisted = ::stat(target.c_str(), &existing) == 0;
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
