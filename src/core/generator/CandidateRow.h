// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NumberMask.h"

#include <array>

namespace kav {

// The row of one attempt: five distinct numbers (ascending), their cross sum and the key
// number chosen for the row.
struct CandidateRow {
    NumberMask mask = 0;
    std::array<int, 5> numbers{};
    int crossSum = 0;
    int key = 0;

    static CandidateRow fromMask(NumberMask mask, int key) {
        CandidateRow row;
        row.mask = mask;
        row.numbers = numbersOf(mask);
        for (int n : row.numbers)
            row.crossSum += n;
        row.key = key;
        return row;
    }
};

} // namespace kav
