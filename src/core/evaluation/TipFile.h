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

// Why `text` is no tip file, or empty when it is one: every line up to six fields, each
// empty or a whole number (the cells judge the range), and no more lines than the sheet has
// rows (empty lines at the end do not count).
std::string tipTextProblem(std::string_view text);

// Loads a tip file into the sheet. The file is read and checked first: one that cannot be
// read or is no tip file leaves the sheet and its locks untouched (IoError naming the file
// and the line). Then the unlocked rows are cleared and rows 1..12 take the file's lines in
// turn (a missing line empties its row): the text before each of the first five commas
// goes into the number cells, the rest of the line into the key cell; a field with no
// comma left stays empty and the line is kept whole for the key cell. Every cell is
// validated as typed text, and every row's sum is emptied for the evaluation to refill.
void loadTipFile(TipSheet& sheet, const std::filesystem::path& path);
// The filling alone, for a text tipTextProblem accepts.
void loadTipText(TipSheet& sheet, std::string_view text);

} // namespace kav
