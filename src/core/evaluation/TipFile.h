// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kav {

class TipSheet;

// The tip file: one line per row whose first number cell is filled, in sheet order, the
// six cell texts joined by "," (for example "3,7,15,22,40,5"), CR LF line ends, no
// byte-order mark. Cells hold digits only, so the text is the same in Windows-1252.
inline constexpr const char* kTipFileFilter = "Tippdatei|*.hlt";
inline constexpr const char* kTipFileExtension = "hlt";

// "yyyymmdd.hlt" of the next draw day after the end date: three days on from a Tuesday,
// four days on from any other day.
std::string proposedTipFileName(DayCount endDate);

std::string tipFileText(const TipSheet& sheet);

// Writes the tip file atomically: a failed save leaves an earlier file of that name intact.
// Throws IoError.
void saveTipFile(const TipSheet& sheet, const std::filesystem::path& path);

// Loads a tip file into the sheet. The file is opened first, so one that cannot be opened
// leaves the sheet untouched. Then the unlocked rows are cleared and rows 1..12 take the
// file's first twelve lines in turn (a missing line empties its row): the text before each
// of the first five commas goes into the number cells, the rest of the line into the key
// cell; a field with no comma left stays empty and the line is kept whole for the key
// cell. Every cell is validated as typed text. A line longer than any row could be is read
// as an empty line. Throws IoError; after a read error the rows read until then stay.
void loadTipFile(TipSheet& sheet, const std::filesystem::path& path);
// The same for a tip file's text in memory.
void loadTipText(TipSheet& sheet, std::string_view text);

} // namespace kav
