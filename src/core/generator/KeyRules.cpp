// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/KeyRules.h"

#include <algorithm>

namespace kav {

int keyWithExtremeCount(const std::vector<ChartPoint>& points, bool rarest) {
    if (points.empty())
        return 0;
    const auto byCount = [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; };
    const int extreme = rarest ? std::min_element(points.begin(), points.end(), byCount)->y
                               : std::max_element(points.begin(), points.end(), byCount)->y;
    int key = 0;
    for (const ChartPoint& p : points)
        if (p.y == extreme)
            key = std::max(key, p.x);
    return key;
}

bool isExcludedKey(const Options& options, const ReferenceDraws& references, int key) {
    if (!options.checked(CheckBox::NoRecentKeys))
        return false;
    const int covered = options.value(UpDown::RecentKeysCovered);
    return key == references.last.key || (covered > 1 && key == references.secondLast.key) ||
           (covered > 2 && key == references.thirdLast.key);
}

} // namespace kav
