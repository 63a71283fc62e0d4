// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace kav {

// The largest files of each kind the program reads whole: far beyond any real file of the
// kind, far below what would exhaust the memory. A larger file is refused before it is
// read.
namespace inputLimit {
inline constexpr std::size_t kDrawFile = std::size_t{64} << 20;     // 4 million draws
inline constexpr std::size_t kDrawCsv = std::size_t{16} << 20;      // ~500,000 lines
inline constexpr std::size_t kTipFile = std::size_t{64} << 10;      // 12 rows of a few bytes
inline constexpr std::size_t kNumberList = std::size_t{64} << 10;   // 54 weights
inline constexpr std::size_t kSettingsStore = std::size_t{1} << 20; // ~150 values
inline constexpr std::size_t kLanguageFile = std::size_t{4} << 20;  // ~1,000 texts
inline constexpr std::size_t kClickScript = std::size_t{1} << 20;   // the download's limit
} // namespace inputLimit

// A file of outside input read whole into memory. Only a regular file is read: a folder, a
// device or a FIFO (which would never end, or block until a writer appears) is refused, and
// so is a file larger than `limit`, before a byte is read. Throws IoError naming the file
// and the reason (the limit for a file too large).
std::string readInputFile(const std::filesystem::path& path, std::size_t limit);

// "64 KiB", "16 MiB": a limit as the messages name it.
std::string sizeText(std::size_t bytes);

} // namespace kav
