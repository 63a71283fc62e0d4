// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

namespace kav {

// Who may read a file the program writes.
enum class FileAccess {
    Default,   // as the file it replaces, or as the user's file-creation mask allows
    OwnerOnly, // readable and writable by the user alone (0600), from the first byte on
};

// The one way the program writes a file. The content goes to a temporary file with a
// unique name beside `path` (created exclusively, so two writers never share one), is
// synced to the disk and closed; only then is it renamed over `path`, and the folder is
// synced. So after a failure, a killed process or a power cut, `path` holds either its
// old content or the new one in full. A device or a FIFO at `path` (a terminal,
// /dev/null, /dev/stdout) is written to directly and never replaced; a folder or any other
// thing that is no regular file is refused with IoError. On a failure the temporary file is
// removed, `path` stays as it was, and IoError names the file, the step and the reason. A symbolic
// link at `path` stays a link: the file it points to is replaced.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileAccess access = FileAccess::Default);

// Syncs the entries of `folder` to the disk, after a file in it was created, renamed or
// removed. A file system that cannot sync a folder is taken as it is; a device error
// throws IoError.
void syncFolder(const std::filesystem::path& folder);

// Renames `from` to `to` (in one folder) and syncs that folder. Throws IoError naming both
// files and the reason; `from` is then left where it was.
void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether `name` is the name of a temporary file that writeFileAtomically makes for a file
// named `target` (a killed writer may leave one behind).
bool isTemporaryNameFor(std::string_view name, std::string_view target);

// Removes the temporary files of `target` that killed writers left: those at least
// `minimumAge` old that no writer holds (a writer holds its temporary file locked while it
// writes). Every write of a file does it; the draw file's writers, which hold the draw
// file's lock, do it with no age at all.
void removeLeftTemporaries(const std::filesystem::path& target, std::chrono::seconds minimumAge);

} // namespace kav
