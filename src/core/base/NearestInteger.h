// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kav {

// The integer nearest to numerator / denominator, exact halves going to the even
// integer, computed in integers: averages and band bounds are fractions, and doing them
// in floating point turns 10.5 into 10.500000000000002, which rounds the wrong way.
// A denominator of 0 (an average over no draws) gives 0.
std::int64_t nearestHalfEven(std::int64_t numerator, std::int64_t denominator);

} // namespace kav
