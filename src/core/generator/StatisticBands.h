// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kav {

struct Chart;

// The smallest and the largest count over all points of a statistic (0 and 0 without
// points).
struct CountRange {
    int min = 0;
    int max = 0;
};
CountRange countRangeOf(const Chart& chart);

// A band of counts: lower < count (or lower <= count) and count <= upper. The status bar
// shows the two bounds while the pool is built.
struct CountBand {
    int lower = 0;
    int upper = 0;
    bool lowerExclusive = false;

    bool contains(int count) const {
        return (lowerExclusive ? count > lower : count >= lower) && count <= upper;
    }
};

// Group statistics (pairs, triples, quads) use a fixed 30 % of the range.
CountBand frequentGroupBand(CountRange range);
CountBand rareGroupBand(CountRange range);

// Number statistics take the percentage percent / divisor (divisor 2 gives the half band
// of an odd percentage, 12.5 % for 25 %).
CountBand topNumberBand(CountRange range, int percent, int divisor);
CountBand bottomNumberBand(CountRange range, int percent, int divisor);

} // namespace kav
