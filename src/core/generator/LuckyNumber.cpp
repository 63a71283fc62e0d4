// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LuckyNumber.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"

namespace kav {
namespace {

constexpr std::uint32_t kLuckyNumberBound = 99999;

} // namespace

void SpeedButton13Click(Workspace& ws, const std::function<std::uint32_t()>& clockSeed) {
    const std::string proposal = std::to_string(ws.random.next(kLuckyNumberBound));
    const std::string text = ws.ui
                                 .askText(ws.messages.line(msg::LuckyNumberCaption),
                                          ws.messages.line(msg::LuckyNumberPrompt), proposal)
                                 .value_or(proposal);
    const std::optional<int> lucky = parseInteger(text);
    if (!lucky) {
        ws.random.setSeed(clockSeed());
        return;
    }
    ws.random.setSeed(static_cast<std::uint32_t>(*lucky));
    ws.status.panel1 = ws.messages.line(msg::LuckyNumber) + " " + std::to_string(*lucky) + " " +
                       ws.messages.line(msg::LuckyNumberSet);
}

} // namespace kav
