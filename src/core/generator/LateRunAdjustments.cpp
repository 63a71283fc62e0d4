// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LateRunAdjustments.h"

#include "app/Options.h"

namespace kav {
namespace {

// Thresholds fire on exact equality only; one of 0 or less never fires.
bool reached(int attempts, int threshold) {
    return threshold > 0 && attempts == threshold;
}

} // namespace

void applyLateRunAdjustments(Options& options, int attempts, int budget, int row) {
    if (reached(attempts, budget / 2))
        options.setCheckBox(8, false);
    if (row < 3)
        return;
    if (reached(attempts, budget - 20000))
        options.forceUpDown(6, 6); // above `UpDown6`'s maximum of 5 on purpose
    if (reached(attempts, budget - 10000)) {
        options.forceUpDown(5, 2);
        if (row != 8)
            options.forceUpDown(4, 1);
    }
    if (reached(attempts, budget - 5000)) {
        options.forceUpDown(4, 2);
        if (row != 8)
            options.forceUpDown(5, 3);
    }
}

AdjustedOptions::AdjustedOptions(const Options& options)
    : forcedPair_(options.checkBox(8)), lastDrawLimit_(options.upDown(4)),
      secondLastDrawLimit_(options.upDown(5)), databaseMatches_(options.upDown(6)) {}

void AdjustedOptions::restore(Options& options) const {
    options.setCheckBox(8, forcedPair_);
    options.setUpDown(4, lastDrawLimit_);
    options.setUpDown(5, secondLastDrawLimit_);
    options.setUpDown(6, databaseMatches_);
}

} // namespace kav
