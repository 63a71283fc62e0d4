// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/CandidateRow.h"

#include <chrono>
#include <string>

namespace kav {

// "1.Tipp:  3 17  22  30  41  QS: 113": the attempt as the status bar shows it. Rows 2
// and 4 put three blanks before "QS:", row 3 four; rows 7 and 9 show the key number after
// the fifth number.
std::string attemptStatusText(int row, const CandidateRow& candidate, const std::string& tipWord);

// The status bar shows the attempt in progress, but nobody can read ten million texts a
// second: the text is built only when the last one is older than a frame, and the clock
// is only asked every few hundred attempts.
class AttemptStatusThrottle {
public:
    bool due() {
        if (--untilClockCheck_ > 0)
            return false;
        untilClockCheck_ = kAttemptsPerClockCheck;
        const auto now = std::chrono::steady_clock::now();
        if (now - lastShown_ < kInterval)
            return false;
        lastShown_ = now;
        return true;
    }

private:
    static constexpr int kAttemptsPerClockCheck = 256;
    static constexpr std::chrono::milliseconds kInterval{15};
    int untilClockCheck_ = 1;
    std::chrono::steady_clock::time_point lastShown_{};
};

} // namespace kav
