// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PoolListStep.h"

#include "app/Workspace.h"
#include "generator/CandidatePool.h"

namespace kav {
namespace {

// The run's hourglass gives way to the normal cursor while the user works in the dialog.
class NormalCursor {
public:
    explicit NormalCursor(Interaction& ui) : ui_(ui) { ui_.setBusy(false); }
    ~NormalCursor() { ui_.setBusy(true); }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    Interaction& ui_;
};

} // namespace

bool offerPoolList(Workspace& ws, CandidatePool& pool) {
    const PoolListQuestion question{pool.weights(), numberListSetup(ws)};
    PoolListChoice choice;
    {
        const NormalCursor normal(ws.ui);
        choice = ws.ui.choosePoolList(question);
    }
    switch (choice.answer) {
    case PoolListAnswer::Calculate:
        pool = poolFromBoxes(choice.boxes);
        return true;
    case PoolListAnswer::Keep:
        return true;
    case PoolListAnswer::Abandon:
        break;
    }
    return false;
}

} // namespace kav
