// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

class Options;

// Late in a run the generator relaxes some rules so that the remaining rows still get a
// chance: at exactly half the budget the forced pair goes off; 20000 attempts before the
// end the database rule needs 6 matches (rows 3..12); 10000 and 5000 before the end the
// limits for the last two draws grow (row 8 differently). The changes show in the option
// controls and are undone at the end of the run.
void applyLateRunAdjustments(Options& options, int attempts, int budget, int row);

// The option values the late-run adjustments may change, saved at the start of a run.
class AdjustedOptions {
public:
    explicit AdjustedOptions(const Options& options);
    void restore(Options& options) const;

private:
    bool forcedPair_;
    int lastDrawLimit_;
    int secondLastDrawLimit_;
    int databaseMatches_;
};

} // namespace kav
