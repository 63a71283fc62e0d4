// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/MessageTable.h"

#include <array>
#include <string>
#include <vector>

namespace kav {

// Counters by matched numbers 0..6 (only 0..5 are reported).
using MatchTable = std::array<int, 7>;

// The draw history analysis' report lines: table A (each analysed draw against every
// earlier window draw), then table B (against the draw after it).
std::vector<std::string> drawHistoryReportLines(const MessageTable& messages,
                                                const MatchTable& earlier, const MatchTable& next);

} // namespace kav
