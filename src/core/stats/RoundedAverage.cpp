// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/RoundedAverage.h"

namespace kav {

std::int64_t roundedAverage(std::int64_t total, std::int64_t count) {
    if (count == 0)
        return 0;
    if (count < 0) {
        total = -total;
        count = -count;
    }
    // Floor division, so that the remainder is never negative.
    std::int64_t quotient = total / count;
    std::int64_t remainder = total % count;
    if (remainder < 0) {
        --quotient;
        remainder += count;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > count || (twice == count && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace kav
