// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/LuckyNumber.h"

#include "base/IntegerText.h"

namespace kav {
namespace {

constexpr std::uint32_t kLuckyNumberBound = 99999;

} // namespace

void SpeedButton13Click(ProgramContext& program, RunState& run, Presentation& view,
                        const std::function<std::uint32_t()>& clockSeed) {
    const std::string proposal = std::to_string(run.random.next(kLuckyNumberBound));
    const std::string text = program.ui
                                 .askText(program.messages.line(msg::LuckyNumberCaption),
                                          program.messages.line(msg::LuckyNumberPrompt), proposal)
                                 .value_or(proposal);
    const std::optional<int> lucky = parseInteger(text);
    if (!lucky) {
        run.random.setSeed(clockSeed());
        return;
    }
    run.random.setSeed(static_cast<std::uint32_t>(*lucky));
    view.status.panel1 = program.messages.line(msg::LuckyNumber) + " " + std::to_string(*lucky) +
                         " " + program.messages.line(msg::LuckyNumberSet);
}

} // namespace kav
