// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/NumberList.h"
#include "model/Random.h"

#include <array>
#include <string>

namespace kav {

// The random animation of the number list dialog ("&Zufall"): while it runs, a 25 ms timer
// draws the open positions afresh on every tick, so the yellow boxes flicker; every press
// of the button fixes the position being drawn, and the press on the last position stops
// it. With five picks the user presses six times: start, fix positions 1 to 4, stop.
class RandomAnimation {
public:
    static constexpr int kMaxPicks = 26;
    static constexpr int kTickMilliseconds = 25;

    enum class Press { Started, Fixed, Stopped };

    // Pick count P (1..26) and number count N (P..54) for the next start.
    void setCounts(int pickCount, int numberCount);
    int pickCount() const { return picks_; }
    int numberCount() const { return numbers_; }

    bool running() const { return running_; }
    // F: the position being drawn, 1-based; the positions below it are fixed.
    int position() const { return position_; }

    // A press of the button. Starting unchecks every box and paints it in the tooltip
    // colour; the caller starts the timer on Started and stops it on Stopped, when the
    // button gets its idle text back and the boxes checked at that moment stay checked.
    Press press(NumberBoxes& boxes);

    // One timer tick: every box unchecked in the tooltip colour, the fixed picks checked
    // and yellow, each open position drawn anew (`random` for the bound N, plus 1; a number
    // already checked is drawn again). Returns the button's caption: F, " ", the suffix.
    std::string tick(NumberBoxes& boxes, Random& random, const std::string& runningSuffix);

    // Closing the dialog stops the animation; the caller stops the timer and gives the
    // button its idle text.
    void stop();

private:
    int picks_ = 5;
    int numbers_ = kListNumbers;
    bool running_ = false;
    int position_ = 1;
    std::array<int, kMaxPicks> pick_{}; // 0: not drawn yet
};

} // namespace kav
