// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawRecord.h"

#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// CSV files of draws, as players find published results in spreadsheets and as the
// program exports its draw file. One draw per line: a date ("yyyy-mm-dd" or
// "dd.mm.yyyy") and six whole numbers (the five numbers, then the key number), separated
// by commas or semicolons; values may be quoted. A first line whose first value is not a
// date is a header; blank lines (also lines of empty values) are skipped.

// A line that is not a draw; what() names the line and the reason.
class DrawCsvError : public std::runtime_error {
public:
    DrawCsvError(int lineNumber, const std::string& reason);
    int lineNumber() const { return lineNumber_; }

private:
    int lineNumber_;
};

// Every draw of the text in file order. A line with a wrong count of values, a number
// outside 1..54 or repeated, a key outside 0..9 or a date before 06.02.2005 or after
// `today` throws DrawCsvError for the first such line.
std::vector<DrawRecord> parseDrawCsv(std::string_view text, DayCount today);

// The file read and parsed; IoError when it cannot be read.
std::vector<DrawRecord> readDrawCsvFile(const std::filesystem::path& path, DayCount today);

// Why a record cannot be written to (or read back from) a CSV file: numbers out of range
// or repeated, a key out of range, a date that is no whole calendar day from 06.02.2005 to
// `today`. nullopt for a good draw.
std::optional<std::string> drawProblem(const DrawRecord& record, DayCount today);

// The header "date,n1,n2,n3,n4,n5,key" and one line per record in the given order, ISO
// dates, CR LF line ends.
std::string drawCsvText(std::span<const DrawRecord> records);

} // namespace kav
