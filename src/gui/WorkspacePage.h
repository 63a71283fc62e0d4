// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandHost.h"

#include <QWidget>

namespace kav::gui {

// A page of the main window's page control. It shows its part of the Workspace and
// forwards the user's changes and commands; it decides nothing itself.
class WorkspacePage : public QWidget {
    Q_OBJECT
public:
    explicit WorkspacePage(CommandHost& host, QWidget* parent = nullptr)
        : QWidget(parent), host_(host) {}

    // Shows the Workspace's current state; must not write back into the Workspace.
    virtual void syncFromWorkspace() = 0;

protected:
    CommandHost& host() { return host_; }
    Workspace& ws() { return host_.workspace(); }

private:
    CommandHost& host_;
};

} // namespace kav::gui
