// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/MessageTable.h"
#include "model/Chart.h"
#include "stats/Statistics.h"

#include <array>
#include <cstddef>
#include <string>

namespace kav {

// A run of consecutive numbers X, X+1, ... that the group statistics look for in each
// window draw (exclusive start).
struct RunShape {
    int length;            // numbers in the run
    int lastStart;         // highest starting number X that is tested
    int pointCount;        // points published, X = 1..pointCount
    std::size_t foundLine; // message-table line before the number of runs found
    bool automaticAxis;    // false: range from min to max
};

inline constexpr RunShape kPairRun{2, 53, 53, msg::PairsFound, false};
inline constexpr RunShape kTripleRun{3, 52, 52, msg::TriplesFound, false};
// X = 52 tests 52..55, which a sound draw never completes; the points run on to 54.
inline constexpr RunShape kQuadRun{4, 52, 54, msg::QuadsFound, true};

// Counts, per starting number X, the window draws that `Zettelcheck` finds holding the
// whole run: comparing the test row (X, X+1, ... then fillers "0", key "0") with the draw
// gives exactly `length` hits. A draw that repeats a number gives that number's hits once
// per repetition, as the comparison does.
Chart groupStatistic(const DrawSnapshot& draws, AnalysisWindow window, const MessageTable& messages,
                     const RunShape& shape);

// The number texts of the test row for starting number `start`: the run, then "0".
std::array<std::string, 5> groupTestRow(const RunShape& shape, int start);

} // namespace kav
