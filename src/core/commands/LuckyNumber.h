// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"

#include <cstdint>
#include <functional>

namespace kav {

// The lucky number, `SpeedButton13`: proposes the random generator's value for the bound
// 99999 in an input box (message 35, prompt message 36; cancelling keeps the proposal).
// Text that is a 32-bit integer becomes the seed (its two's-complement pattern) and status
// panel 1 says "Glückszahl N gesetzt" (messages 37, 38); other text reseeds the generator
// from `clockSeed`, as at program start, and shows nothing.
void SpeedButton13Click(ProgramContext& program, RunState& run, Presentation& view,
                        const std::function<std::uint32_t()>& clockSeed);

} // namespace kav
