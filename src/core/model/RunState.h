// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AnalysisRun.h"
#include "model/Random.h"

#include <string>

namespace kav {

// What is running, and the random generator the runs share.
struct RunState {
    // "Tipps berechnen" was pressed and the run has not ended: its button shows "Stoppen".
    bool calculating = false;
    // The stop button of that run was pressed; the run ends after its attempt in progress.
    bool stopRequested = false;
    // The rows are being computed (set just before the first attempt, until the run's end).
    bool running = false;

    // While the update runs: its commands do not start it again and the draw file's
    // other writers refuse. A click on the stop button hides it, which ends the update
    // before its next request. The service's last answer stays until the next request.
    bool updateRunning = false;
    bool updateStopShown = false;
    std::string responseBuffer;

    // The historical analysis in progress: the window's stop button and progress bar.
    AnalysisRun analysis;

    Random random;

    // Whether the tip calculation's button shows its stop caption.
    bool showsStop() const { return calculating && !stopRequested; }
};

} // namespace kav
