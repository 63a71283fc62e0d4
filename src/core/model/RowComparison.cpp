// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RowComparison.h"

#include "base/IntegerText.h"

namespace kav {

ParsedRow ParsedRow::of(const std::array<std::string_view, 5>& numbers, std::string_view key) {
    ParsedRow row;
    for (std::size_t pos = 0; pos < numbers.size(); ++pos)
        row.numbers[pos] = parseInteger(numbers[pos]);
    row.key = parseInteger(key);
    return row;
}

DrawnNumbers DrawnNumbers::of(const CurrentDraw& draw) {
    DrawnNumbers drawn;
    for (int slot = 0; slot < 5; ++slot)
        drawn.numbers[static_cast<std::size_t>(slot)] = draw.number(slot);
    drawn.key = draw.key();
    return drawn;
}

DrawnNumbers DrawnNumbers::of(const DrawRecord& record) {
    DrawnNumbers drawn;
    for (int slot = 0; slot < 5; ++slot)
        drawn.numbers[static_cast<std::size_t>(slot)] = record.number(slot);
    drawn.key = record.key();
    return drawn;
}

RowComparison compareRow(const ParsedRow& row, const DrawnNumbers& drawn) {
    RowComparison result;
    for (const int number : drawn.numbers) {
        for (std::size_t pos = 0; pos < row.numbers.size(); ++pos) {
            if (!row.numbers[pos])
                return result;
            if (*row.numbers[pos] == number) {
                result.positionHit[pos] = true;
                ++result.hitCount;
            }
        }
    }
    if (row.key && *row.key == drawn.key)
        result.keyHit = true;
    return result;
}

bool isWinningRow(int hitCount, bool keyHit) {
    return hitCount >= 2 || (hitCount == 0 && keyHit);
}

} // namespace kav
