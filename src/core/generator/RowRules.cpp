// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowRules.h"

#include "generator/ReferenceDraws.h"

#include <algorithm>

namespace kav {
namespace {

// Even numbers sit on the odd bit positions (number n is bit n - 1).
constexpr NumberMask kEvenNumbers = 0x002AAAAAAAAAAAAAull;
constexpr NumberMask kOddNumbers = 0x0015555555555555ull;

bool overlapFits(const Options& o, NumberMask candidate, std::span<const NumberMask> earlier) {
    const int maximum = o.value(UpDown::MaximumOverlap);
    const int minimum = o.value(UpDown::MinimumOverlap);
    const bool pairwise = o.checked(CheckBox::PairwiseOverlap);
    int largest = 0;
    for (NumberMask rowMask : earlier) {
        const int shared = overlap(candidate, rowMask);
        if (pairwise && (shared > maximum || shared < minimum))
            return false;
        largest = std::max(largest, shared);
    }
    if (o.checked(CheckBox::MaximumOverlap) && largest > maximum)
        return false;
    return !(o.checked(CheckBox::MinimumOverlap) && largest < minimum);
}

// A draw limit above 0; a limit of 0 has kept the draw's numbers out of the pool.
bool withinDrawLimit(const Options& o, CheckBox rule, UpDown limitField, NumberMask candidate,
                     NumberMask drawMask) {
    const int limit = o.value(limitField);
    return !(o.checked(rule) && limit > 0 && overlap(candidate, drawMask) > limit);
}

bool isPrimeKey(int key) {
    return key == 2 || key == 3 || key == 5 || key == 7;
}

} // namespace

bool RowRules::accepts(const Options& o, const DrawWindow& dates, const CandidateRow& c, int row,
                       std::span<const NumberMask> earlierRows, const ReferenceDraws& references) {
    const NumberMask m = c.mask;

    if (row > 1 && !overlapFits(o, m, earlierRows))
        return false;
    if (o.checked(CheckBox::ForcedPair) && (m & (m >> 1)) == 0)
        return false;
    if (o.checked(CheckBox::NoRunsOfThree) && (m & (m >> 1) & (m >> 2)) != 0)
        return false;
    if (c.crossSum < o.value(UpDown::CrossSumFrom) || c.crossSum > o.value(UpDown::CrossSumTo))
        return false;
    if (!withinDrawLimit(o, CheckBox::LastDrawLimit, UpDown::LastDrawLimit, m,
                         references.last.mask) ||
        !withinDrawLimit(o, CheckBox::SecondLastDrawLimit, UpDown::SecondLastDrawLimit, m,
                         references.secondLast.mask) ||
        !withinDrawLimit(o, CheckBox::ThirdLastDrawLimit, UpDown::ThirdLastDrawLimit, m,
                         references.thirdLast.mask))
        return false;
    if (o.checked(CheckBox::MinimumEven) && overlap(m, kEvenNumbers) < o.value(UpDown::MinimumEven))
        return false;
    if (o.checked(CheckBox::MinimumOdd) && overlap(m, kOddNumbers) < o.value(UpDown::MinimumOdd))
        return false;

    const bool keyCounts = o.checked(CheckBox::KeyCountsAsHit);
    const auto endDate = static_cast<double>(dates.endPicker.value);
    if (o.checked(CheckBox::DatabaseRule)) {
        databaseWindow_.selectWindow(draws_, static_cast<double>(dates.startPicker.value), endDate);
        if (databaseWindow_.anyDrawReaches(m, c.key, o.value(UpDown::DatabaseMatches), keyCounts))
            return false;
    }
    if (o.checked(CheckBox::RecentDrawsRule)) {
        // The window is counted in days, 14 per draw.
        recentWindow_.selectWindow(draws_, endDate - 14.0 * o.value(UpDown::RecentDrawsCount),
                                   endDate);
        if (recentWindow_.anyDrawReaches(m, c.key, o.value(UpDown::RecentDrawsMatches), keyCounts))
            return false;
    }
    return !(o.checked(CheckBox::MinimumPrimes) &&
             overlap(m, kPrimeNumbers) + (isPrimeKey(c.key) ? 1 : 0) <
                 o.value(UpDown::MinimumPrimes));
}

} // namespace kav
