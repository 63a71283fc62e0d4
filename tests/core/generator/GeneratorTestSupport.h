// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Options.h"
#include "base/DayCount.h"
#include "draws/DrawRecord.h"
#include "generator/CandidateRow.h"
#include "generator/Random.h"
#include "generator/ReferenceDraws.h"

#include <array>
#include <bit>
#include <vector>

namespace kav::test {

inline CandidateRow candidate(std::array<int, 5> numbers, int key = 0) {
    return CandidateRow::fromMask(maskOf(numbers), key);
}

inline ReferenceDraw reference(std::array<int, 5> numbers, int key) {
    ReferenceDraw d;
    d.numbers = numbers;
    d.key = key;
    d.mask = maskOf(numbers);
    return d;
}

// Every row rule off and the widest cross-sum range, so that a test switches on only the
// rule it looks at.
inline void switchOffRowRules(Options& o) {
    for (int box : {3, 4, 5, 8, 9, 18, 22, 23, 24, 25, 26, 27, 28, 31})
        o.setCheckBox(box, false);
    o.setUpDown(1, 21);
    o.setUpDown(2, 239);
}

// The preference options of the "Statistisch" page off: every number once in the pool.
inline void switchOffPreferences(Options& o) {
    for (int box : {1, 2, 6, 7, 10, 11, 12, 13, 14, 15, 19, 29, 30})
        o.setCheckBox(box, false);
}

// Forty weekly draws from 07.01.2023 with numbers from the generator itself.
inline std::vector<DrawRecord> fortyDraws() {
    Random random(2024);
    std::vector<DrawRecord> draws;
    for (int w = 0; w < 40; ++w) {
        NumberMask mask = 0;
        while (std::popcount(mask) < 5)
            mask |= maskOfNumber(static_cast<int>(random.next(54)) + 1);
        draws.push_back(DrawRecord::make(dayCountFromCivil({2023, 1, 7}) + 7.0 * w, numbersOf(mask),
                                         static_cast<int>(random.next(10))));
    }
    return draws;
}

} // namespace kav::test
