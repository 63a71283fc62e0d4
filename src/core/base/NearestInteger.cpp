// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NearestInteger.h"

namespace kav {

std::int64_t nearestHalfEven(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Floor division, so that the remainder is never negative.
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace kav
