// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RowComparison.h"
#include "model/TipSheet.h"

namespace kav {

// The tip sheet with what its evaluation leaves: the last row comparison, the hit-class
// table and the switch that gates the evaluation (off during start-up and a run).
struct Ticket {
    TipSheet sheet;
    RowComparison comparison;
    HitClassTable hitClasses{};
    bool evaluationSwitch = false;
};

} // namespace kav
