// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace kav {
class Workspace;
}

namespace kav::bench {

// The rows a run ended with: five numbers per row (zeros for an empty row) and row 1's key.
struct RunRows {
    std::vector<std::array<int, 5>> rows;
    int firstKey = 0;
    int attempts = 0;
};

// The tip calculation as written, without the shortcuts: every attempt runs the key
// statistic and both history rules over the draw file read afresh, and the rules compare
// numbers one by one. Unlocked rows only; nothing is written to the sheet. It is the
// yardstick for the real run, which must give the same rows.
RunRows baselineTipRun(Workspace& ws);

// The rows the real run left on the sheet, in the same form.
RunRows sheetRows(const Workspace& ws, int attempts);

} // namespace kav::bench
