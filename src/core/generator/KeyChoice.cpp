// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/KeyChoice.h"

#include "app/Workspace.h"
#include "generator/ReferenceDraws.h"
#include "stats/StatisticCommands.h"

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

bool isExcludedKey(const Workspace& ws, const ReferenceDraws& references, int key) {
    if (!ws.options.checkBox(16))
        return false;
    const int covered = ws.options.upDown(19);
    return key == references.last.key || (covered > 1 && key == references.secondLast.key) ||
           (covered > 2 && key == references.thirdLast.key);
}

int KeyChoice::statisticKey(Workspace& ws, int item) {
    const int start = ws.startPicker.value;
    const int end = ws.endPicker.value;
    if (!remembered_ || remembered_->item != item || remembered_->start != start ||
        remembered_->end != end) {
        if (item == 1)
            SpeedButton3Click(ws, &draws_);
        else
            Button8Click(ws, &draws_);
        remembered_ = Remembered{item, start, end, keyWithExtremeCount(ws.chart.points, item == 1)};
    }
    return remembered_->key;
}

int KeyChoice::choose(Workspace& ws, const ReferenceDraws& references) {
    const int item = ws.options.radioGroup1();
    if (item == 0) {
        int key = 0;
        do
            key = static_cast<int>(ws.random.next(10));
        while (isExcludedKey(ws, references, key));
        return key;
    }
    // The statistic always names the same key, so an excluded one gives way to the next
    // key upward that is not excluded (9 wraps to 0); at most three keys are excluded.
    int key = statisticKey(ws, item);
    while (isExcludedKey(ws, references, key))
        key = (key + 1) % 10;
    return key;
}

} // namespace kav
