// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/HttpClient.h"
#include "commands/InternetUpdate.h"
#include "model/DrawWindow.h"
#include "model/Options.h"
#include "model/Presentation.h"
#include "model/ProgramContext.h"
#include "model/RunState.h"
#include "model/Ticket.h"

#include <filesystem>

namespace kav {

// The state the window shows and every command works on, in parts with one job each;
// a command takes the parts it uses. Both front ends build one and run the same core
// commands over it; the window binds each widget to its entry here.
class Workspace {
public:
    Workspace(std::filesystem::path programFolder, Interaction& ui);
    // The update hook refers to this workspace's parts.
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Makes `program.internetUpdate` (the first start's update, the rebuild's) run the
    // update with `client`, which must outlive the workspace's use of it.
    void installInternetUpdate(HttpClient& client, UpdateParameters parameters);

    ProgramContext program; // the program folder, the person, the texts, today
    Options options;        // the option controls
    Ticket ticket;          // the tip sheet and its evaluation
    DrawWindow drawWindow;  // the current draw and the two date pickers
    RunState run;           // what is running, and the random generator
    Presentation view;      // chart, captions, status bar, page, start button

    // Window size as stored in the settings (0: the designed size) and the language number.
    int windowWidth = 0;
    int windowHeight = 0;
    int languageNumber = 0;
};

} // namespace kav
