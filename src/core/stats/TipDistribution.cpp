// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IntegerText.h"
#include "base/MessageTable.h"
#include "model/DrawRecord.h"
#include "model/TipSheet.h"
#include "stats/ChartAxis.h"
#include "stats/NumberColour.h"
#include "stats/Statistics.h"

#include <array>
#include <optional>

namespace kav {

namespace {

using ValueCounters = std::array<int, kHighestNumber + 1>;

// Counts the cell values in row order, each row's five number cells and then its key
// cell, until the first cell that is empty or holds no value 0..54: the cells before it
// count, the cells after it do not.
ValueCounters countSheetValues(const TipSheet& sheet) {
    ValueCounters counters{};
    for (int row = 0; row < TipSheet::kRows; ++row) {
        for (int column = 0; column < TipSheet::kColumns; ++column) {
            const std::optional<int> value = parseInteger(sheet.cell(row, column));
            if (!value || *value < 0 || *value > kHighestNumber)
                return counters;
            ++counters[static_cast<std::size_t>(*value)];
        }
    }
    return counters;
}

} // namespace

Chart tipDistribution(const TipSheet& sheet, const MessageTable& messages) {
    const ValueCounters counters = countSheetValues(sheet);
    // A key number k adds to the bar of number k; key 0 is counted but has no bar.
    Chart chart;
    for (int x = 1; x <= kHighestNumber; ++x)
        chart.points.push_back({x, counters[static_cast<std::size_t>(x)], numberColour(x)});
    setAxisRangeFromMinToMax(chart);
    chart.caption = messages.line(msg::TipDistribution);
    return chart;
}

} // namespace kav
