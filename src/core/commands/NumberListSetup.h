// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NumberListQuestions.h"
#include "model/ProgramContext.h"

namespace kav {

// The setup both callers of the number list dialog make: the animation texts from the
// message table, the program folder for the list files and today's "yyyymmdd.hlw", N = 54.
NumberListSetup numberListSetup(const ProgramContext& program);

} // namespace kav
