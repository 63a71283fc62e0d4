// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/DrawHistoryReport.h"

namespace kav {

std::vector<std::string> drawHistoryReportLines(const MessageTable& m, const MatchTable& earlier,
                                                const MatchTable& next) {
    std::vector<std::string> lines{m.line(msg::HistoryEarlierDraws)};
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "x    =>" + std::to_string(earlier[k]));
    lines.emplace_back(" ");
    lines.push_back(m.line(msg::HistoryNextDraw));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "x    =>" + std::to_string(next[k]));
    return lines;
}

} // namespace kav
