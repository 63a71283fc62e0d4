// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/BacktestReport.h"

#include <cstdint>

namespace kav {

std::vector<std::string> backtestReportLines(const MessageTable& m, const HitClassTable& classes,
                                             int draws, int rowsPerTip) {
    std::vector<std::string> lines;
    lines.push_back(m.line(msg::BacktestBrought) + "\n");
    lines.push_back(m.line(msg::WithoutKey) + "\t" + "1x " + m.line(msg::KeyNumbers) + "\t" +
                    "2x " + m.line(msg::KeyNumbers));
    for (std::size_t k = 0; k < classes.size(); ++k)
        lines.push_back(std::to_string(k) + "x" + "\t" + "=> " + std::to_string(classes[k][0]) +
                        "\t" + "\t" + "=> " + std::to_string(classes[k][1]) + "\t" + "\t" + "=> " +
                        std::to_string(classes[k][2]));
    const std::int64_t rows = static_cast<std::int64_t>(rowsPerTip) * draws;
    lines.push_back("\n" + m.line(msg::Draws) + std::to_string(draws) + "      " +
                    m.line(msg::Tip) + ": " + std::to_string(rowsPerTip) + " => " +
                    std::to_string(rows) + m.line(msg::Rows));
    return lines;
}

} // namespace kav
