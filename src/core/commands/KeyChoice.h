// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/ReferenceDraws.h"
#include "model/DrawSnapshot.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <optional>

namespace kav {

// The key number of one attempt, by the item of `RadioGroup1`: a random key, the rarest
// key or the longest-outstanding key; with `CheckBox16` the keys of the last draws (as
// many as `UpDown19` says, at most three) are excluded. The two statistic modes run their
// statistic as the window shows it.
class KeyChoice {
public:
    KeyChoice(ProgramContext& program, const Options& options, Ticket& ticket,
              DrawWindow& drawWindow, RunState& run, Presentation& view, const DrawSnapshot& draws)
        : program_(program), options_(options), ticket_(ticket), drawWindow_(drawWindow), run_(run),
          view_(view), draws_(draws) {}

    int choose(const ReferenceDraws& references);

private:
    // Items 1 and 2 use no random numbers: their statistic depends only on the window
    // and the snapshot, so it runs once per window and its chart stays on display.
    int statisticKey(KeyMode mode);

    ProgramContext& program_;
    const Options& options_;
    Ticket& ticket_;
    DrawWindow& drawWindow_;
    RunState& run_;
    Presentation& view_;
    const DrawSnapshot& draws_;
    struct Remembered {
        KeyMode mode;
        int start;
        int end;
        int key;
    };
    std::optional<Remembered> remembered_;
};

} // namespace kav
