// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClickScriptFields.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kav {

// The combo when the dialog opens: the full path of every "*.vks" entry of the script
// folder that is not a directory, in the order the file system returns them; the text is
// `remembered`, or the last entry found when `remembered` is empty.
struct ClickScriptList {
    std::vector<std::string> scripts;
    std::string text;
};
ClickScriptList listClickScripts(const std::filesystem::path& scriptFolder,
                                 const std::string& remembered);

// Closing the dialog: an empty number field becomes "0"; the text fields may stay empty.
void completeNumberFields(ClickScriptFields& fields);

} // namespace kav
