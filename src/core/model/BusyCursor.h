// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Interaction.h"

namespace kav {

// Shows the hourglass for the lifetime of a scan and takes it away again however the
// scan ends, an input/output error included.
class BusyCursor {
public:
    explicit BusyCursor(Interaction& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyCursor() { ui_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Interaction& ui_;
};

} // namespace kav
