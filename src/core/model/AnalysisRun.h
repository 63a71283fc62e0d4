// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

// The historical analysis in progress, for the front ends: the window turns the analysis'
// start button into a stop button, shows a progress bar and takes no other command; the
// command-line tool prints the progress on a terminal. A stop request is seen between
// two weeks (and, in the backtest, by the tip calculation in progress).
struct AnalysisRun {
    enum class Kind { None, Backtest, DrawHistory };

    Kind kind = Kind::None;
    bool stopRequested = false;
    int done = 0;  // weeks analysed
    int total = 0; // weeks the analysis will take (it grows if the estimate was short)

    bool running() const { return kind != Kind::None; }
};

} // namespace kav
