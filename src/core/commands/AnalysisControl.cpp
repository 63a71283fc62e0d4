// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/AnalysisControl.h"

#include "base/AtomicFile.h"
#include "base/Windows1252.h"
#include "evaluation/Report.h"

#include <algorithm>

namespace kav {

bool askToStartAnalysis(const ProgramContext& program, const DrawWindow& drawWindow,
                        std::size_t from, std::size_t run, std::size_t caption) {
    const MessageTable& m = program.messages;
    return program.ui.askYesNo(m.line(from) + " " + formatShortDate(drawWindow.endPicker.value) +
                                   " " + m.line(run),
                               m.line(caption));
}

RunningAnalysis::RunningAnalysis(const ProgramContext& program, RunState& run, Presentation& view,
                                 AnalysisRun::Kind kind, int expectedWeeks)
    : program_(program), run_(run), view_(view) {
    run_.analysis = AnalysisRun{kind, false, 0, std::max(expectedWeeks, 1)};
}

RunningAnalysis::~RunningAnalysis() {
    run_.analysis = AnalysisRun{};
}

bool RunningAnalysis::weekDone() {
    AnalysisRun& analysis = run_.analysis;
    ++analysis.done;
    analysis.total = std::max(analysis.total, analysis.done);
    program_.ui.processPendingInput();
    return analysis.stopRequested;
}

bool RunningAnalysis::stopRequested() const {
    return run_.analysis.stopRequested;
}

bool RunningAnalysis::endedByStop() {
    if (!run_.analysis.stopRequested)
        return false;
    view_.status.panel1 = "Analyse abgebrochen, es wurde kein Bericht geschrieben.";
    return true;
}

void requestAnalysisStop(RunState& run, Presentation& view) {
    if (!run.analysis.running())
        return;
    run.analysis.stopRequested = true;
    if (run.showsStop()) {
        run.stopRequested = true;
        view.startButtonCaption = view.idleCaption;
    }
}

void saveAndOpenReport(const ProgramContext& program, const std::string& text) {
    const std::filesystem::path path = program.folder / kReportFileName;
    writeFileAtomically(path, toWindows1252(text));
    program.ui.openDocument(path.string());
}

} // namespace kav
