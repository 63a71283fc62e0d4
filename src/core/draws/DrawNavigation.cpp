// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawNavigation.h"

#include "app/Workspace.h"
#include "draws/DrawCaption.h"
#include "evaluation/HitEvaluation.h"

#include <algorithm>

namespace kav {
namespace {

enum class Step { Previous, Next };

void showDrawAt(Workspace& ws, Step step) {
    const DrawSnapshot snapshot = ws.readDraws();
    // An empty file has no draw to step to: the current draw and its index stay.
    if (snapshot.empty())
        return;
    const auto lastIndex = static_cast<std::int32_t>(snapshot.size() - 1);

    ws.windowStart = ws.startPicker.value;
    ws.current.index =
        step == Step::Previous ? std::max(ws.current.index - 1, 0) : ws.current.index + 1;
    // The file is read up to the record at the index, or to its end when it is shorter.
    const std::int32_t reached = std::min(ws.current.index, lastIndex);
    ws.current.take(snapshot.records[static_cast<std::size_t>(reached)]);
    if (step == Step::Next) {
        ws.current.index = reached;
        ws.current.slotValues[5] = 0;
    }

    showCurrentDraw(ws, CaptionVariant::C);
    ws.tipDrawCaption = ws.drawCaption;
    ws.endPicker.set(roundToDay(ws.current.date));
    Komplettcheck(ws);
}

} // namespace

void SpeedButton6Click(Workspace& ws) {
    showDrawAt(ws, Step::Previous);
}

void SpeedButton7Click(Workspace& ws) {
    showDrawAt(ws, Step::Next);
}

} // namespace kav
