// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisProgress.h"

#include <ostream>

namespace kav::cli {
namespace {

constexpr std::chrono::milliseconds kInterval{200};

} // namespace

std::string analysisProgressText(const AnalysisRun& run) {
    const int percent = run.total > 0 ? run.done * 100 / run.total : 0;
    return "Woche " + std::to_string(run.done) + " von " + std::to_string(run.total) + " (" +
           std::to_string(percent) + " %)";
}

TerminalProgress::TerminalProgress(CliContext& ctx) : ctx_(ctx) {
    if (ctx_.errIsTerminal)
        ctx_.ui.onPendingInput = [this] { show(); };
}

TerminalProgress::~TerminalProgress() {
    ctx_.ui.onPendingInput = nullptr;
    if (shownLength_ > 0)
        ctx_.err << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
}

void TerminalProgress::show() {
    // A tip calculation asks for pending input once per attempt: the clock only every
    // few hundred calls.
    if ((++calls_ & 255u) != 0 || !ctx_.ws.run.analysis.running())
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastShown_ < kInterval)
        return;
    lastShown_ = now;
    const std::string text = analysisProgressText(ctx_.ws.run.analysis);
    ctx_.err << '\r' << text
             << std::string(shownLength_ > text.size() ? shownLength_ - text.size() : 0, ' ')
             << std::flush;
    shownLength_ = std::max(shownLength_, text.size());
}

} // namespace kav::cli
