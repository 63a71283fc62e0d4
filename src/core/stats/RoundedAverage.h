// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kav {

// total / count rounded to the nearest integer, exact halves to the even neighbour,
// computed in integers so that no floating-point residue tips a half either way. An
// average over no values is shown as 0.
std::int64_t roundedAverage(std::int64_t total, std::int64_t count);

} // namespace kav
