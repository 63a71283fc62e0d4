// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "generator/CandidatePool.h"
#include "model/NumberBoxes.h"

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// The largest weight a list may give a number: 54 numbers at this weight still make a
// pool of a few hundred thousand entries, while a weight in the billions would not fit
// into memory.
inline constexpr int kMaxListWeight = 10000;

// A list file that is not a number list, or a weight the pool cannot be built from;
// what() is the text shown to the user.
class NumberListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The generator's view of the pool: box k checked exactly when k has an entry, its weight
// the count of k's entries ("0" for none). Colours stay as they are.
void showPool(NumberBoxes& boxes, const std::array<int, 55>& weights);

// "&Rechnen": the pool made from the dialog. For k = 1..54 in ascending order, a checked
// box adds k as many times as its weight; "0" counts as 1, a negative weight adds nothing.
// Throws NumberListError naming the number when a checked box's weight is no integer or
// larger than kMaxListWeight.
CandidatePool poolFromBoxes(const NumberBoxes& boxes);

// The row editor's marking: every box unchecked in the tooltip colour, then `numbers`
// checked and yellow.
void markNumbers(NumberBoxes& boxes, const std::vector<int>& numbers);
void paintAllToolTip(NumberBoxes& boxes);

// List files (".hlw"): one line per number, CR LF line ends; line k holds the weight of
// number k if it is checked and is empty if not.
inline constexpr const char* kNumberListFilter = "Werteliste|*.hlw";
inline constexpr const char* kNumberListExtension = "hlw";

// "yyyymmdd.hlw" of `today`.
std::string proposedNumberListName(DayCount today);

// The text of the first `count` boxes (1..54). A checked box without a weight gets "1"
// first, which the dialog then shows.
std::string numberListText(NumberBoxes& boxes, int count);
// Writes the list through a temporary file, so a failed save leaves an earlier list of
// that name intact. Throws IoError.
void saveNumberList(NumberBoxes& boxes, int count, const std::filesystem::path& path);

// The boxes after loading `text` into the first `count` of them: a non-empty line k
// checks box k and takes the line as its weight, an empty or missing line unchecks it with
// the weight "1"; lines after the count are not read. A list that does not hold an
// integer weight of at most kMaxListWeight on every non-empty line, or that is longer than
// any list could be, is refused as a whole with a NumberListError naming `source`, so the
// dialog is never half loaded.
NumberBoxes readNumberList(const NumberBoxes& boxes, int count, std::string_view text,
                           const std::string& source);
// Throws IoError when the file cannot be read and NumberListError when it is no list.
NumberBoxes loadNumberList(const NumberBoxes& boxes, int count, const std::filesystem::path& path);

} // namespace kav
