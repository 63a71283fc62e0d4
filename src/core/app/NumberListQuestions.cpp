// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumberListQuestions.h"

#include "app/Workspace.h"

namespace kav {

NumberListSetup numberListSetup(const Workspace& ws) {
    NumberListSetup setup;
    setup.randomIdleText = ws.messages.line(msg::RandomPick);
    setup.randomRunningSuffix = ws.messages.line(msg::RandomPickStop);
    setup.listFolder = ws.programFolder;
    setup.proposedListName = proposedNumberListName(ws.today());
    setup.numberCount = kListNumbers;
    return setup;
}

} // namespace kav
