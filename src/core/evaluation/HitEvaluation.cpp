// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/HitEvaluation.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"

#include <algorithm>
#include <optional>

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

void Zettelcheck(Workspace& ws, const std::array<std::string_view, 5>& numbers,
                 std::string_view key) {
    ws.comparison = compareRow(ParsedRow::of(numbers, key), DrawnNumbers::of(ws.current));
}

bool isWinningRow(int hitCount, bool keyHit) {
    return hitCount >= 2 || (hitCount == 0 && keyHit);
}

void Komplettcheck(Workspace& ws) {
    ws.hitClasses = HitClassTable{};
    if (!ws.evaluationSwitch)
        return;
    TipSheet& sheet = ws.sheet;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        std::array<int, 5> values{};
        bool complete = true;
        for (int c = 0; c < 5 && complete; ++c) {
            const std::optional<int> v = parseInteger(sheet.cell(row, c));
            complete = v.has_value();
            values[static_cast<std::size_t>(c)] = v.value_or(0);
        }
        if (!complete) {
            sheet.setHits(row, "", sheet.hitsRed(row));
            for (int c = 0; c < TipSheet::kColumns; ++c)
                sheet.setColour(row, c, CellColour::Window);
            sheet.setCell(row, TipSheet::kKeyColumn, "");
            continue;
        }
        int sum = 0;
        for (int v : values)
            sum += v;
        sheet.setSum(row, std::to_string(sum));
        std::sort(values.begin(), values.end());
        for (int c = 0; c < 5; ++c)
            sheet.setCell(row, c, std::to_string(values[static_cast<std::size_t>(c)]));

        std::array<std::string_view, 5> texts{};
        for (int c = 0; c < 5; ++c)
            texts[static_cast<std::size_t>(c)] = sheet.cell(row, c);
        Zettelcheck(ws, texts, sheet.cell(row, TipSheet::kKeyColumn));
        const RowComparison& hit = ws.comparison;

        for (int c = 0; c < 5; ++c)
            sheet.setColour(row, c,
                            hit.positionHit[static_cast<std::size_t>(c)] ? CellColour::Lime
                                                                         : CellColour::Window);
        // A row can match a number twice when it holds it twice; the table has rows 0..5.
        const auto hitClass = static_cast<std::size_t>(std::clamp(hit.hitCount, 0, 5));
        ++ws.hitClasses[hitClass][hit.keyHit ? 1 : 0];
        const bool winning = isWinningRow(hit.hitCount, hit.keyHit);
        if (winning)
            ws.ui.playSound(ws.soundFileName);
        sheet.setHits(row, std::to_string(hit.hitCount) + (hit.keyHit ? " + R" : ""), winning);
        sheet.setColour(row, TipSheet::kKeyColumn,
                        hit.keyHit ? CellColour::Lime : CellColour::Window);
    }
}

} // namespace kav
