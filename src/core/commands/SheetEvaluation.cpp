// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/SheetEvaluation.h"

#include "base/IntegerText.h"

#include <algorithm>
#include <optional>

namespace kav {

void Zettelcheck(Ticket& ticket, const CurrentDraw& current,
                 const std::array<std::string_view, 5>& numbers, std::string_view key) {
    ticket.comparison = compareRow(ParsedRow::of(numbers, key), DrawnNumbers::of(current));
}

void Komplettcheck(const ProgramContext& program, Ticket& ticket, const DrawWindow& drawWindow) {
    ticket.hitClasses = HitClassTable{};
    if (!ticket.evaluationSwitch)
        return;
    TipSheet& sheet = ticket.sheet;
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
        Zettelcheck(ticket, drawWindow.current, texts, sheet.cell(row, TipSheet::kKeyColumn));
        const RowComparison& hit = ticket.comparison;

        for (int c = 0; c < 5; ++c)
            sheet.setColour(row, c,
                            hit.positionHit[static_cast<std::size_t>(c)] ? CellColour::Lime
                                                                         : CellColour::Window);
        // A row can match a number twice when it holds it twice; the table has rows 0..5.
        const auto hitClass = static_cast<std::size_t>(std::clamp(hit.hitCount, 0, 5));
        ++ticket.hitClasses[hitClass][hit.keyHit ? 1 : 0];
        const bool winning = isWinningRow(hit.hitCount, hit.keyHit);
        if (winning)
            program.ui.playSound(program.soundFileName);
        sheet.setHits(row, std::to_string(hit.hitCount) + (hit.keyHit ? " + R" : ""), winning);
        sheet.setColour(row, TipSheet::kKeyColumn,
                        hit.keyHit ? CellColour::Lime : CellColour::Window);
    }
}

} // namespace kav
