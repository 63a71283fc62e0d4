// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RowRules.h"

#include "app/Workspace.h"
#include "generator/ReferenceDraws.h"

#include <algorithm>

namespace kav {
namespace {

// Even numbers sit on the odd bit positions (number n is bit n - 1).
constexpr NumberMask kEvenNumbers = 0x002AAAAAAAAAAAAAull;
constexpr NumberMask kOddNumbers = 0x0015555555555555ull;

bool overlapFits(const Options& o, NumberMask candidate, std::span<const NumberMask> earlier) {
    const int maximum = o.upDown(3);
    const int minimum = o.upDown(9);
    const bool pairwise = o.checkBox(27);
    int largest = 0;
    for (NumberMask rowMask : earlier) {
        const int shared = overlap(candidate, rowMask);
        if (pairwise && (shared > maximum || shared < minimum))
            return false;
        largest = std::max(largest, shared);
    }
    if (o.checkBox(3) && largest > maximum)
        return false;
    return !(o.checkBox(24) && largest < minimum);
}

// A draw limit above 0; a limit of 0 has kept the draw's numbers out of the pool.
bool withinDrawLimit(const Options& o, int checkBox, int upDown, NumberMask candidate,
                     NumberMask drawMask) {
    const int limit = o.upDown(upDown);
    return !(o.checkBox(checkBox) && limit > 0 && overlap(candidate, drawMask) > limit);
}

bool isPrimeKey(int key) {
    return key == 2 || key == 3 || key == 5 || key == 7;
}

} // namespace

bool RowRules::accepts(const Workspace& ws, const CandidateRow& c, int row,
                       std::span<const NumberMask> earlierRows, const ReferenceDraws& references) {
    const Options& o = ws.options;
    const NumberMask m = c.mask;

    if (row > 1 && !overlapFits(o, m, earlierRows))
        return false;
    if (o.checkBox(8) && (m & (m >> 1)) == 0) // forced pair
        return false;
    if (o.checkBox(18) && (m & (m >> 1) & (m >> 2)) != 0) // no runs of three
        return false;
    if (c.crossSum < o.upDown(1) || c.crossSum > o.upDown(2))
        return false;
    if (!withinDrawLimit(o, 4, 4, m, references.last.mask) ||
        !withinDrawLimit(o, 5, 5, m, references.secondLast.mask) ||
        !withinDrawLimit(o, 23, 11, m, references.thirdLast.mask))
        return false;
    if (o.checkBox(25) && overlap(m, kEvenNumbers) < o.upDown(15))
        return false;
    if (o.checkBox(26) && overlap(m, kOddNumbers) < o.upDown(16))
        return false;

    const bool keyCounts = o.checkBox(31);
    const auto endDate = static_cast<double>(ws.endPicker.value);
    if (o.checkBox(9)) {
        databaseWindow_.selectWindow(draws_, static_cast<double>(ws.startPicker.value), endDate);
        if (databaseWindow_.anyDrawReaches(m, c.key, o.upDown(6), keyCounts))
            return false;
    }
    if (o.checkBox(28)) {
        // The window is counted in days, 14 per draw.
        recentWindow_.selectWindow(draws_, endDate - 14.0 * o.upDown(18), endDate);
        if (recentWindow_.anyDrawReaches(m, c.key, o.upDown(17), keyCounts))
            return false;
    }
    return !(o.checkBox(22) &&
             overlap(m, kPrimeNumbers) + (isPrimeKey(c.key) ? 1 : 0) < o.upDown(10));
}

} // namespace kav
