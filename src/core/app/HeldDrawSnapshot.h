// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

namespace kav {

// One draw snapshot for a whole command that runs other commands many times (the
// historical analyses run the selection, the next-draw step and the tip calculation once
// per week): while it lives, every `readDraws()` of those commands gets this snapshot
// instead of reading the file again. The command never writes the draw file and the
// window takes no other command while it runs, so this gives exactly what re-reading
// the file at every step would give. A command already holding a snapshot keeps it.
class HeldDrawSnapshot {
public:
    explicit HeldDrawSnapshot(Workspace& ws) : ws_(ws), previous_(ws.heldDraws) {
        if (!previous_) {
            snapshot_ = ws.readDraws();
            ws_.heldDraws = &snapshot_;
        }
    }
    ~HeldDrawSnapshot() { ws_.heldDraws = previous_; }
    HeldDrawSnapshot(const HeldDrawSnapshot&) = delete;
    HeldDrawSnapshot& operator=(const HeldDrawSnapshot&) = delete;

    const DrawSnapshot& draws() const { return previous_ ? *previous_ : snapshot_; }

private:
    Workspace& ws_;
    const DrawSnapshot* previous_;
    DrawSnapshot snapshot_;
};

} // namespace kav
