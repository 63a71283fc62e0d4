// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/AttemptStatus.h"

namespace kav {

std::string attemptStatusText(int row, const CandidateRow& c, const std::string& tipWord) {
    const auto n = [&](std::size_t i) { return std::to_string(c.numbers[i]); };
    std::string text = std::to_string(row) + "." + tipWord + ":  " + n(0) + " " + n(1) + "  " +
                       n(2) + "  " + n(3) + "  " + n(4);
    if (row == 7 || row == 9)
        text += "  " + std::to_string(c.key);
    const char* beforeSum = row == 3 ? "    " : (row == 2 || row == 4) ? "   " : "  ";
    return text + beforeSum + "QS: " + std::to_string(c.crossSum);
}

} // namespace kav
