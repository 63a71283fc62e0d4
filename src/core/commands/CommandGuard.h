// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Interaction.h"

#include <exception>

namespace kav {

// Runs one command; an error it does not handle itself (an input/output failure, a
// conversion error) ends the command and is shown to the user, and the program goes on.
// Returns false when the command ended with an error.
template <typename Command> bool runGuarded(Interaction& ui, Command&& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ui.showError(e.what());
        return false;
    }
}

} // namespace kav
