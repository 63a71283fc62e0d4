// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/AnalysisRun.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kav {

class Workspace;

// The question before an analysis replaces the sheet: message `from`, a space, the end
// date, a space, message `run`; the caption is message `caption`. True for Yes.
bool askToStartAnalysis(Workspace& ws, std::size_t from, std::size_t run, std::size_t caption);

// Marks an analysis as running for its lifetime, so the front ends show its stop button
// and its progress, and clears the mark however the analysis ends.
class RunningAnalysis {
public:
    RunningAnalysis(Workspace& ws, AnalysisRun::Kind kind, int expectedWeeks);
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
    Workspace& ws_;
};

// The stop button of a running analysis (or Esc): the analysis ends after the week in
// progress, without a report. A tip calculation in progress ends after its attempt, as
// when its own stop button is pressed. Does nothing when no analysis runs.
void requestAnalysisStop(Workspace& ws);

// The report of the historical analyses as it is saved: every added line ends with CR LF,
// and a line feed inside an added line becomes a line break of its own (so an added
// "text\n" leaves an empty line after it).
std::string reportText(const std::vector<std::string>& lines);

// "Test.rtf" in the program folder: plain text despite its name.
inline constexpr const char* kReportFileName = "Test.rtf";

// Saves the report in Windows-1252 through the safe-write path (an earlier report stays
// whole if the write fails) and opens it with the program the desktop associates with it.
// Throws IoError.
void saveAndOpenReport(Workspace& ws, const std::string& text);

} // namespace kav
