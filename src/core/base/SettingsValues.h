// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kav {

// One typed value of a settings key: a 32-bit integer (booleans and integers), a text, or
// binary bytes (the start date: the 8 bytes of a binary64 day count). A value read as the
// wrong type fails its read.
struct SettingValue {
    enum class Type { Integer, Text, Binary };
    Type type = Type::Integer;
    std::int32_t integer = 0;
    std::string text;
    std::vector<std::uint8_t> binary;

    static SettingValue ofInteger(std::int32_t v);
    static SettingValue ofText(std::string v);
    static SettingValue ofDate(double dayCount);

    bool operator==(const SettingValue&) const = default;
};

// The values of one settings key by name ("Chekcbox1", "UpDown7", "Edit12", ...).
using SettingsValues = std::map<std::string, SettingValue>;

// The file form of a key: one line per value, "name=type:data", UTF-8. Unknown or
// malformed lines are skipped (a damaged store never stops the program). The writer puts
// `kSettingsFileHead` first and `kSettingsFileEnd` last, so a file cut short shows it; a
// file written before these marks existed has neither and still loads.
SettingsValues parseSettingsFile(const std::string& content);
std::string formatSettingsFile(const SettingsValues& values);

inline constexpr const char* kSettingsFileHead = "#kavanto-settings";
inline constexpr const char* kSettingsFileEnd = "#end";

// Whether the content begins like a marked file (or is a piece of its first line) but
// lacks the end mark: the rest of it was lost, and its values are not the whole store.
bool isCutShortSettingsFile(const std::string& content);

// Reads a store file; a missing file gives no values. Throws IoError for one that cannot be
// read (no regular file, larger than a store can be, a read error).
SettingsValues readSettingsFile(const std::filesystem::path& path);
// Writes through the safe-write path; false when it could not be written.
bool writeSettingsFile(const std::filesystem::path& path, const SettingsValues& values);

} // namespace kav
