// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kav::cli {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command ran and reported a failure
inline constexpr int kExitUsage = 2;   // bad usage or bad input to the tool itself

// Runs `kavanto-cli` with the arguments after the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kav::cli
