// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kav {

// Who may read a file the program writes.
enum class FileAccess {
    Default,   // as the user's file-creation mask allows
    OwnerOnly, // readable and writable by the user alone (0600), from the first byte on
};

// Writes `content` to a temporary file beside `path` and renames it over `path` only after
// it was completely written and closed, so a failed write leaves an earlier file of that
// name as it was. Throws IoError.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileAccess access = FileAccess::Default);

} // namespace kav
