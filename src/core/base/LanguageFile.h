// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// The language files are plain text read line by line. A byte-order mark selects UTF-8,
// UTF-16 LE or UTF-16 BE; a file without one is in Windows-1252, the code page the files
// of the Windows world are written in. The lines come back as valid UTF-8 (a malformed
// sequence becomes U+FFFD), split at CR LF, LF or CR; a line break at the end opens no
// further line.
std::vector<std::string> decodeLanguageText(std::string_view bytes);

// The lines of a language file; nullopt when there is none. Throws IoError for one that is
// there but cannot be read, is no regular file or is larger than any language file could be.
std::optional<std::vector<std::string>> readLanguageFile(const std::filesystem::path& path);

// A name line of the base file as the load compares it: without leading and trailing
// blanks and control characters.
std::string trimmedName(std::string_view line);

// One entry of the base file "Kavanto.txt": five lines, the window's and the control's
// design names, the German caption and hint, and the font character set (a Windows
// character set code).
struct BaseFileEntry {
    std::string window;
    std::string control;
    std::string caption;
    std::string hint;
    int charset = 1; // DEFAULT_CHARSET

    bool operator==(const BaseFileEntry&) const = default;
};

// The base file's bytes for `entries`: UTF-8 with a byte-order mark, CR LF line ends.
// Throws std::invalid_argument for a text with a line break, which the file cannot hold.
std::string formatBaseFile(const std::vector<BaseFileEntry>& entries);

// The whole number of a character-set line; nullopt for anything else.
std::optional<int> charsetNumber(std::string_view line);

} // namespace kav
