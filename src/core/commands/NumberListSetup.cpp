// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/NumberListSetup.h"

#include "generator/NumberList.h"

namespace kav {

NumberListSetup numberListSetup(const ProgramContext& program) {
    NumberListSetup setup;
    setup.randomIdleText = program.messages.line(msg::RandomPick);
    setup.randomRunningSuffix = program.messages.line(msg::RandomPickStop);
    setup.listFolder = program.folder;
    setup.proposedListName = proposedNumberListName(program.today());
    setup.numberCount = kListNumbers;
    return setup;
}

} // namespace kav
