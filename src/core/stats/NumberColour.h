// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kav {

// The colour a number's bar gets where the chart colours the numbers: red for the primes
// up to 47, green for every other number (53 included).
std::uint32_t numberColour(int number);

} // namespace kav
