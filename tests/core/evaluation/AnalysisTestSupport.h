// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "commands/AnalysisControl.h"
#include "draws/DrawFile.h"
#include "support/ScriptedInteraction.h"
#include "support/TemporaryFolder.h"

namespace kav::test {

// `weeks` Saturdays up to 25.05.2024, numbers spread over 1..54; no draw repeats the five
// numbers of another within 2,520 weeks.
inline std::vector<DrawRecord> weeklyHistory(int weeks) {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < weeks; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2024, 5, 25}) - 7.0 * (weeks - 1 - w),
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    return draws;
}

// A workspace over its own folder and draws whose user presses the stop button of the
// running analysis the `stopAt`-th time pending input is processed.
class StoppingWorkspace : public ScriptedInteraction {
public:
    StoppingWorkspace(const std::vector<DrawRecord>& draws, int stopAt) : stopAt_(stopAt) {
        DrawFile(folder.path()).replace(draws);
        ws.ticket.evaluationSwitch = true;
        ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 1}); };
        ws.drawWindow.startPicker.set(roundToDay(draws.front().date));
    }

    void processPendingInput() override {
        if (ws.run.analysis.running() && ++calls_ == stopAt_)
            requestAnalysisStop(ws.run, ws.view);
    }

    TemporaryFolder folder;
    Workspace ws{folder.path(), *this};

private:
    int stopAt_;
    int calls_ = 0;
};

} // namespace kav::test
