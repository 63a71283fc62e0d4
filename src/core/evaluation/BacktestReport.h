// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/MessageTable.h"
#include "model/RowComparison.h"

#include <string>
#include <vector>

namespace kav {

// The backtest's report lines as they are added (a "\n" inside a line is a line break of
// its own): the hit classes added up over `draws` evaluated draws of `rowsPerTip` rows.
std::vector<std::string> backtestReportLines(const MessageTable& messages,
                                             const HitClassTable& classes, int draws,
                                             int rowsPerTip);

} // namespace kav
