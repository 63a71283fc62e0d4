// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/DrawFile.h"
#include "model/ProgramContext.h"

namespace kav {

// The draw file of the program folder.
DrawFile drawFileOf(const ProgramContext& program);

// The full scan of the draw file for one command. Tells the user once per run of the
// program when the file holds damaged records (they are kept in the snapshot and skipped
// by every reader). Throws IoError.
DrawSnapshot readDrawFile(ProgramContext& program);

} // namespace kav
