// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/AnalysisControl.h"

#include "app/Workspace.h"
#include "base/AtomicFile.h"
#include "base/Windows1252.h"

#include <algorithm>

namespace kav {

bool askToStartAnalysis(Workspace& ws, std::size_t from, std::size_t run, std::size_t caption) {
    const MessageTable& m = ws.messages;
    return ws.ui.askYesNo(m.line(from) + " " + formatShortDate(ws.endPicker.value) + " " +
                              m.line(run),
                          m.line(caption));
}

RunningAnalysis::RunningAnalysis(Workspace& ws, AnalysisRun::Kind kind, int expectedWeeks)
    : ws_(ws) {
    ws_.analysis = AnalysisRun{kind, false, 0, std::max(expectedWeeks, 1)};
}

RunningAnalysis::~RunningAnalysis() {
    ws_.analysis = AnalysisRun{};
}

bool RunningAnalysis::weekDone() {
    AnalysisRun& run = ws_.analysis;
    ++run.done;
    run.total = std::max(run.total, run.done);
    ws_.ui.processPendingInput();
    return run.stopRequested;
}

bool RunningAnalysis::stopRequested() const {
    return ws_.analysis.stopRequested;
}

bool RunningAnalysis::endedByStop() {
    if (!ws_.analysis.stopRequested)
        return false;
    ws_.status.panel1 = "Analyse abgebrochen, es wurde kein Bericht geschrieben.";
    return true;
}

void requestAnalysisStop(Workspace& ws) {
    if (!ws.analysis.running())
        return;
    ws.analysis.stopRequested = true;
    if (ws.startButtonCaption == ws.messages.line(msg::Stop))
        ws.startButtonCaption = ws.idleCaption;
}

std::string reportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (const char c : line) {
            if (c == '\n')
                text += "\r\n";
            else
                text += c;
        }
        text += "\r\n";
    }
    return text;
}

void saveAndOpenReport(Workspace& ws, const std::string& text) {
    const std::filesystem::path path = ws.programFolder / kReportFileName;
    writeFileAtomically(path, toWindows1252(text));
    ws.ui.openDocument(path.string());
}

} // namespace kav
