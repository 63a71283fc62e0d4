// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RandomAnimation.h"

#include <algorithm>

namespace kav {
namespace {

void clearBoxes(NumberBoxes& boxes, int count) {
    for (int k = 1; k <= count; ++k) {
        boxes[k].checked = false;
        boxes[k].colour = BoxColour::ToolTip;
    }
}

void markPick(NumberBoxes& boxes, int number) {
    boxes[number].checked = true;
    boxes[number].colour = BoxColour::Yellow;
}

} // namespace

void RandomAnimation::setCounts(int pickCount, int numberCount) {
    picks_ = std::clamp(pickCount, 1, kMaxPicks);
    numbers_ = std::clamp(numberCount, picks_, kListNumbers);
}

RandomAnimation::Press RandomAnimation::press(NumberBoxes& boxes) {
    if (!running_) {
        running_ = true;
        clearBoxes(boxes, kListNumbers);
        pick_.fill(0);
        position_ = 1;
        return Press::Started;
    }
    if (position_ < picks_) {
        ++position_;
        return Press::Fixed;
    }
    stop();
    return Press::Stopped;
}

std::string RandomAnimation::tick(NumberBoxes& boxes, Random& random,
                                  const std::string& runningSuffix) {
    clearBoxes(boxes, numbers_);
    for (int p = 1; p < position_; ++p)
        if (const int fixed = pick_[static_cast<std::size_t>(p - 1)]; fixed != 0)
            markPick(boxes, fixed);
    // A position fixed before any tick drew it has no pick yet; it is drawn now, so a
    // stop always leaves P numbers.
    for (int p = 1; p <= picks_; ++p) {
        int& pick = pick_[static_cast<std::size_t>(p - 1)];
        if (p < position_ && pick != 0)
            continue;
        do
            pick = static_cast<int>(random.next(static_cast<std::uint32_t>(numbers_))) + 1;
        while (boxes[pick].checked);
        markPick(boxes, pick);
    }
    return std::to_string(position_) + " " + runningSuffix;
}

void RandomAnimation::stop() {
    running_ = false;
    position_ = 1;
}

} // namespace kav
