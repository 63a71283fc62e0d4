// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kav {

// "Test.rtf" in the program folder: the report of the historical analyses, plain text
// despite its name.
inline constexpr const char* kReportFileName = "Test.rtf";

// The report as it is saved: every added line ends with CR LF, and a line feed inside an
// added line becomes a line break of its own (so an added "text\n" leaves an empty line
// after it).
std::string reportText(const std::vector<std::string>& lines);

} // namespace kav
