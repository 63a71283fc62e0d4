// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliContext.h"

#include <chrono>
#include <string>

namespace kav::cli {

// "Woche 123 von 1100 (11 %)": how far a historical analysis is.
std::string analysisProgressText(const AnalysisRun& run);

// While it lives, a historical analysis shows its progress as one line on standard error,
// rewritten a few times a second, when standard error is a terminal; the line is wiped
// at the end. Otherwise (a pipe, a file, the tests) nothing is printed.
class TerminalProgress {
public:
    explicit TerminalProgress(CliContext& ctx);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

private:
    void show();

    CliContext& ctx_;
    unsigned calls_ = 0;
    std::chrono::steady_clock::time_point lastShown_{};
    std::size_t shownLength_ = 0;
};

} // namespace kav::cli
