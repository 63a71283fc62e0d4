// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/DrawHistoryReport.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <string>

namespace kav {

struct DrawHistoryResult {
    bool completed = false; // the report was written
    bool stopped = false;   // the user stopped the run
    MatchTable earlier{};   // table A: each analysed draw against every earlier window draw
    MatchTable next{};      // table B: each analysed draw against the draw after it
    std::string report;     // the text saved as "Test.rtf" (UTF-8, CR LF)
};

// "Historische Analyse" of the draws (`BitBtn19`): after a Yes to the question, selects
// the current draw for the end date, shows the tip page and asks for the threshold
// (default 5). Then, draw by draw up to the newest: the sheet is cleared (locked rows
// stay) and row 1 takes the draw; it is compared with every draw from the start-date
// field up to the day before it (table A), and a comparison that reaches the threshold
// asks whether to go on (anything but Yes ends the analysis without a report); then the
// next-draw step compares row 1 with the following draw (table B, the newest draw with
// itself). The report goes to "Test.rtf" and is opened. The whole analysis works on one
// draw snapshot. A threshold that is no whole number throws ConversionError (after the
// selection); IoError when the draw file cannot be read or the report not written. A stop
// request (see requestAnalysisStop) ends it after the draw in progress without a report.
DrawHistoryResult BitBtn19Click(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                                RunState& run, Presentation& view);

} // namespace kav
