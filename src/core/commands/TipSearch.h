// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

#include <array>
#include <vector>

namespace kav {

// A draw at which a row of the sheet reached the threshold (row 1..12).
struct SearchHit {
    DayCount date = 0;
    int row = 0;
};

struct SearchResult {
    std::vector<SearchHit> found;  // in the order the questions were asked
    std::array<int, 12> reached{}; // per row: window draws at which it reached the threshold
    bool completed = false;        // walked to the end of the window (no "No")
};

// "Tipps in DB suchen" (`SpeedButton4`): asks for the threshold (default 7 with
// `CheckBox31`, else 5), then walks the window draws (start date included, end date
// included) in file order, each one made the current draw (date and slots; its index
// stays) and shown in caption variant C; every row is compared with it, its hits label
// shows the matched numbers (red from 3 on, " + R" for the key) and a row whose count
// (plus 1 for the key with `CheckBox31`) reaches the threshold stops the walk with a
// Yes/No question; No ends the search at once. At the end the chart shows, per row,
// the number of window draws at which it reached the threshold. A threshold that is no
// whole number throws ConversionError before anything changes; IoError when the draw
// file cannot be read.
SearchResult SpeedButton4Click(ProgramContext& program, const Options& options, Ticket& ticket,
                               DrawWindow& drawWindow, Presentation& view);

} // namespace kav
