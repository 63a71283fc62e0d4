// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kav {

class HttpClient;
class KlickwerkSettings;

// The online submission's ways out of the program: Klickwerk's settings (with the secret
// store behind them) and the HTTP client of the script update check.
struct SubmissionServices {
    KlickwerkSettings& klickwerk;
    HttpClient& http;
};

struct SubmissionResult {
    enum class Outcome {
        HandedOff,    // the click script was written and Klickwerk started
        NotInstalled, // no Klickwerk under its "Path": the install prompt was shown
        Cancelled,    // the click-script dialog was not closed with OK
    };
    Outcome outcome = Outcome::Cancelled;
    std::filesystem::path tipFile;
    std::filesystem::path script;       // the click script (HandedOff only)
    std::filesystem::path program;      // Klickwerk's executable
    std::vector<std::string> arguments; // the parameter string cut at its blanks
};

// "Tipp ab&geben" and the menu entry "&Abgeben": `AutoWebScript` with the submission tip
// file "Tipps/<end-date picker + 7>.hlt" (the rows whose first cell is filled, cell texts as
// they stand).
SubmissionResult OnlineTippClick(const ProgramContext& program, const Options& options,
                                 const Ticket& ticket, const DrawWindow& drawWindow,
                                 SubmissionServices& services);

// Reads Klickwerk's settings; without Klickwerk's executable asks whether to install it
// and stops. Otherwise shows the click-script dialog; on OK fills the chosen template, then
// writes the tip file and the click script "Tipps/<today>.vks", stores the dialog's fields in
// one write of Klickwerk's settings and starts Klickwerk with the parameter string, without
// a shell and without waiting. Nothing is written when the user declines, cancels or the
// template cannot be read (IoError).
SubmissionResult AutoWebScript(const ProgramContext& program, const Options& options,
                               const Ticket& ticket, SubmissionServices& services,
                               const std::filesystem::path& tipFile);

} // namespace kav
