// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

#include <functional>

namespace kav::gui {

// What a page needs from the main window: the Workspace, a way to run a command (errors
// are shown, then every page shows the Workspace's new state) and a way to refresh.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    virtual Workspace& workspace() = 0;
    virtual void runCommand(const std::function<void()>& command) = 0;
    virtual void syncFromWorkspace() = 0;
};

} // namespace kav::gui
