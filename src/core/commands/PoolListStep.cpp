// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PoolListStep.h"

#include "commands/NumberListSetup.h"
#include "generator/NumberList.h"

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

bool offerPoolList(ProgramContext& program, CandidatePool& pool) {
    const PoolListQuestion question{pool.weights(), numberListSetup(program)};
    PoolListChoice choice;
    {
        const NormalCursor normal(program.ui);
        choice = program.ui.choosePoolList(question);
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
