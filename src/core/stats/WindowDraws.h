// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawSnapshot.h"
#include "stats/Statistics.h"

namespace kav {

// Whether a draw dated on the start date itself belongs to the window; each statistic
// names its own test, the end date always belongs to it.
enum class StartBound { Inclusive, Exclusive };

// Dates are compared as stored, without rounding.
inline bool isInWindow(double date, AnalysisWindow window, StartBound start) {
    if (!(date <= window.end))
        return false;
    return start == StartBound::Inclusive ? date >= window.start : date > window.start;
}

// Visits the window draws in file order. A damaged record (numbers outside 1..54, key
// outside 0..9) is never visited, so its bytes never index a counter table.
template <typename Visit>
void forEachWindowDraw(const DrawSnapshot& draws, AnalysisWindow window, StartBound start,
                       Visit&& visit) {
    for (const DrawRecord& record : draws.records)
        if (record.isValid() && isInWindow(record.date, window, start))
            visit(record);
}

// The last draw `forEachWindowDraw` would visit, or nullptr when the window holds none.
inline const DrawRecord* lastWindowDraw(const DrawSnapshot& draws, AnalysisWindow window,
                                        StartBound start) {
    const DrawRecord* last = nullptr;
    forEachWindowDraw(draws, window, start, [&](const DrawRecord& record) { last = &record; });
    return last;
}

} // namespace kav
