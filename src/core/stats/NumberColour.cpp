// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/NumberColour.h"

#include "model/Chart.h"

#include <algorithm>
#include <array>

namespace kav {

std::uint32_t numberColour(int number) {
    static constexpr std::array<int, 15> kRedNumbers{2,  3,  5,  7,  11, 13, 17, 19,
                                                     23, 29, 31, 37, 41, 43, 47};
    return std::binary_search(kRedNumbers.begin(), kRedNumbers.end(), number) ? kRed : kGreen;
}

} // namespace kav
