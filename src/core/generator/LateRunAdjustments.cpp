// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LateRunAdjustments.h"

#include "model/Options.h"

namespace kav {
namespace {

// Thresholds fire on exact equality only; one of 0 or less never fires.
bool reached(int attempts, int threshold) {
    return threshold > 0 && attempts == threshold;
}

} // namespace

void applyLateRunAdjustments(Options& options, int attempts, int budget, int row) {
    if (reached(attempts, budget / 2))
        options.setChecked(CheckBox::ForcedPair, false);
    if (row < 3)
        return;
    if (reached(attempts, budget - 20000))
        options.forceValue(UpDown::DatabaseMatches, 6); // above `UpDown6`'s maximum of 5 on purpose
    if (reached(attempts, budget - 10000)) {
        options.forceValue(UpDown::SecondLastDrawLimit, 2);
        if (row != 8)
            options.forceValue(UpDown::LastDrawLimit, 1);
    }
    if (reached(attempts, budget - 5000)) {
        options.forceValue(UpDown::LastDrawLimit, 2);
        if (row != 8)
            options.forceValue(UpDown::SecondLastDrawLimit, 3);
    }
}

AdjustedOptions::AdjustedOptions(const Options& options)
    : forcedPair_(options.checked(CheckBox::ForcedPair)),
      lastDrawLimit_(options.value(UpDown::LastDrawLimit)),
      secondLastDrawLimit_(options.value(UpDown::SecondLastDrawLimit)),
      databaseMatches_(options.value(UpDown::DatabaseMatches)) {}

void AdjustedOptions::restore(Options& options) const {
    options.setChecked(CheckBox::ForcedPair, forcedPair_);
    options.setValue(UpDown::LastDrawLimit, lastDrawLimit_);
    options.setValue(UpDown::SecondLastDrawLimit, secondLastDrawLimit_);
    options.setValue(UpDown::DatabaseMatches, databaseMatches_);
}

} // namespace kav
