// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawWindow.h"
#include "model/ProgramContext.h"
#include "model/Ticket.h"

#include <string>

namespace kav {

// "Tipp ausdrucken": writes the printout as "Tipp.txt" in the program folder (Windows-1252,
// CR LF, through a temporary file) and opens it with the default program. Returns the
// text written (UTF-8). Throws on a row that is not printable (nothing is written) and
// IoError when the file cannot be written (nothing is opened).
std::string BitBtn7Click(const ProgramContext& program, const Ticket& ticket,
                         const DrawWindow& drawWindow);

} // namespace kav
