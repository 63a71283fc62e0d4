// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/ReferenceDraws.h"
#include "model/Chart.h"
#include "model/Options.h"

#include <vector>

namespace kav {

// The highest key number whose count is the smallest (`rarest`) or the largest count
// among the points; 0 without points.
int keyWithExtremeCount(const std::vector<ChartPoint>& points, bool rarest);

// Whether `CheckBox16` keeps `key` out: the key of the last draw, with `UpDown19` above
// 1 also the second-last, above 2 also the third-last.
bool isExcludedKey(const Options& options, const ReferenceDraws& references, int key);

} // namespace kav
