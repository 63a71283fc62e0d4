// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Chart.h"

namespace kav {

// Axis setting "range from min to max": the left axis runs from the smallest to the
// largest Y of the points, by hand, so the smallest bar shows with no height.
void setAxisRangeFromMinToMax(Chart& chart);

// Automatic scaling: the bars stand on 0, so the chart shows 0 up to the largest Y,
// and 0 to 0 when there is no point.
void setAxisAutomatic(Chart& chart);

} // namespace kav
