// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kav::platform {

// Starts `program` with exactly `arguments` (no shell, nothing quoted or split again) and
// does not wait for it; its working folder is ours. False when it could not be started.
bool startDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments);

// Opens a file or a web address with the program the desktop associates with it; the
// result is ignored, as nothing depends on it.
void openWithDefaultProgram(const std::string& pathOrUrl);

} // namespace kav::platform
