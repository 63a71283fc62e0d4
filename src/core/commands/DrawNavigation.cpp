// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawNavigation.h"

#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/SheetEvaluation.h"

#include <algorithm>
#include <optional>

namespace kav {
namespace {

enum class Step { Previous, Next };

void showDrawAt(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow, Presentation& view,
                const DrawSnapshot* draws, Step step) {
    std::optional<DrawSnapshot> read;
    if (!draws)
        draws = &read.emplace(readDrawFile(program));
    // An empty file has no draw to step to: the current draw and its index stay.
    if (draws->empty())
        return;
    const auto lastIndex = static_cast<std::int32_t>(draws->size() - 1);

    CurrentDraw& current = drawWindow.current;
    drawWindow.windowStart = drawWindow.startPicker.value;
    current.index = step == Step::Previous ? std::max(current.index - 1, 0) : current.index + 1;
    // The file is read up to the record at the index, or to its end when it is shorter.
    const std::int32_t reached = std::min(current.index, lastIndex);
    current.take(draws->records[static_cast<std::size_t>(reached)]);
    if (step == Step::Next) {
        current.index = reached;
        current.slotValues[5] = 0;
    }

    showCurrentDraw(program, drawWindow, view, CaptionVariant::C);
    view.tipDrawCaption = view.drawCaption;
    drawWindow.endPicker.set(roundToDay(current.date));
    Komplettcheck(program, ticket, drawWindow);
}

} // namespace

void SpeedButton6Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws) {
    showDrawAt(program, ticket, drawWindow, view, draws, Step::Previous);
}

void SpeedButton7Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                       Presentation& view, const DrawSnapshot* draws) {
    showDrawAt(program, ticket, drawWindow, view, draws, Step::Next);
}

} // namespace kav
