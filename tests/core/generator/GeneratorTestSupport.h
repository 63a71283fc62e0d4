// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Options.h"
#include "generator/CandidateRow.h"
#include "generator/ReferenceDraws.h"

#include <array>

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

} // namespace kav::test
