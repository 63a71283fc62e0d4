// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/CandidatePool.h"
#include "model/ProgramContext.h"

namespace kav {

// The number list dialog in a generator run, when "Liste für Zahlenreihengenerierung
// anzeigen / bearbeiten" (`CheckBox20`) is on: it shows the pool with its weights, under
// the normal cursor. "&Rechnen" replaces the pool by the dialog's list (final: no
// preference or exclusion is applied again), OK keeps it. Returns false when the user
// abandoned the run (Abort or closing the dialog). Throws NumberListError when a checked
// number's weight is no integer.
bool offerPoolList(ProgramContext& program, CandidatePool& pool);

} // namespace kav
