// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "generator/CandidateRow.h"
#include "generator/ReferenceDraws.h"
#include "model/Controls.h"
#include "model/DrawRecord.h"
#include "model/Options.h"
#include "model/Random.h"

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
    for (CheckBox box :
         {CheckBox::MaximumOverlap, CheckBox::LastDrawLimit, CheckBox::SecondLastDrawLimit,
          CheckBox::ForcedPair, CheckBox::DatabaseRule, CheckBox::NoRunsOfThree,
          CheckBox::MinimumPrimes, CheckBox::ThirdLastDrawLimit, CheckBox::MinimumOverlap,
          CheckBox::MinimumEven, CheckBox::MinimumOdd, CheckBox::PairwiseOverlap,
          CheckBox::RecentDrawsRule, CheckBox::KeyCountsAsHit})
        o.setChecked(box, false);
    o.setValue(UpDown::CrossSumFrom, 21);
    o.setValue(UpDown::CrossSumTo, 239);
}

// The preference options of the "Statistisch" page off: every number once in the pool.
inline void switchOffPreferences(Options& o) {
    for (CheckBox box :
         {CheckBox::FrequentPairs, CheckBox::FrequentNumbers, CheckBox::FrequentTriples,
          CheckBox::FrequentQuads, CheckBox::OverdueNumbers, CheckBox::RarePairs,
          CheckBox::RareTriples, CheckBox::RareQuads, CheckBox::RareNumbers,
          CheckBox::PreferredNumbersOnly, CheckBox::NeighboursOfLastDraw,
          CheckBox::AvoidMonthNumbers, CheckBox::FewerDateNumbers})
        o.setChecked(box, false);
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
