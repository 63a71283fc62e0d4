// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/KeyChoice.h"

#include "commands/StatisticCommands.h"
#include "generator/KeyRules.h"

namespace kav {

int KeyChoice::statisticKey(KeyMode mode) {
    const int start = drawWindow_.startPicker.value;
    const int end = drawWindow_.endPicker.value;
    if (!remembered_ || remembered_->mode != mode || remembered_->start != start ||
        remembered_->end != end) {
        const bool rarest = mode == KeyMode::Rarest;
        const StatisticCommand statistic = rarest ? SpeedButton3Click : Button8Click;
        statistic(program_, ticket_, drawWindow_, run_, view_, &draws_);
        remembered_ = Remembered{mode, start, end, keyWithExtremeCount(view_.chart.points, rarest)};
    }
    return remembered_->key;
}

int KeyChoice::choose(const ReferenceDraws& references) {
    const KeyMode mode = options_.keyMode();
    if (mode == KeyMode::Random) {
        int key = 0;
        do
            key = static_cast<int>(run_.random.next(10));
        while (isExcludedKey(options_, references, key));
        return key;
    }
    // The statistic always names the same key, so an excluded one gives way to the next
    // key upward that is not excluded (9 wraps to 0); at most three keys are excluded.
    int key = statisticKey(mode);
    while (isExcludedKey(options_, references, key))
        key = (key + 1) % 10;
    return key;
}

} // namespace kav
