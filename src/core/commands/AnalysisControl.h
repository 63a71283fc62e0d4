// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AnalysisRun.h"
#include "model/DrawWindow.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"

#include <cstddef>
#include <string>

namespace kav {

// The question before an analysis replaces the sheet: message `from`, a space, the end
// date, a space, message `run`; the caption is message `caption`. True for Yes.
bool askToStartAnalysis(const ProgramContext& program, const DrawWindow& drawWindow,
                        std::size_t from, std::size_t run, std::size_t caption);

// Marks an analysis as running for its lifetime, so the front ends show its stop button
// and its progress, and clears the mark however the analysis ends.
class RunningAnalysis {
public:
    RunningAnalysis(const ProgramContext& program, RunState& run, Presentation& view,
                    AnalysisRun::Kind kind, int expectedWeeks);
    ~RunningAnalysis();
    RunningAnalysis(const RunningAnalysis&) = delete;
    RunningAnalysis& operator=(const RunningAnalysis&) = delete;

    // One week done: the progress moves on and pending input is processed (where a stop
    // request arrives). True when the analysis is to stop.
    bool weekDone();
    bool stopRequested() const;
    // After the loop: true, with the status bar saying that no report was written, when
    // the user stopped the analysis.
    bool endedByStop();

private:
    const ProgramContext& program_;
    RunState& run_;
    Presentation& view_;
};

// The stop button of a running analysis (or Esc): the analysis ends after the week in
// progress, without a report. A tip calculation in progress ends after its attempt, as
// when its own stop button is pressed. Does nothing when no analysis runs.
void requestAnalysisStop(RunState& run, Presentation& view);

// Saves the report "Test.rtf" in Windows-1252 through the safe-write path (an earlier
// report stays whole if the write fails) and opens it with the program the desktop
// associates with it. Throws IoError.
void saveAndOpenReport(const ProgramContext& program, const std::string& text);

} // namespace kav
