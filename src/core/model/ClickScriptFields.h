// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kav {

// The fields of the click-script dialog `TVKSForm`.
struct ClickScriptFields {
    std::string script; // `LabeledEdit1`: the template's full path (an editable combo box)
    std::string zahl1;  // `LabeledEdit2` "ZAHL1"
    std::string zahl2;  // `LabeledEdit3` "ZAHL2"
    std::string text1;  // `LabeledEdit4` "TEXT1", the broker portal's login name
    std::string text2;  // `LabeledEdit5` "TEXT2", the broker portal's password

    bool operator==(const ClickScriptFields&) const = default;
};

// What the dialog shows when it opens, and what it does on OK.
struct ClickScriptDialogRequest {
    std::filesystem::path scriptFolder; // the browse dialog's initial folder
    std::vector<std::string> scripts;   // the combo's list
    ClickScriptFields fields;           // the combo's text and the four parameters
    // The script update check: run with the combo's text when OK is pressed, before the
    // dialog closes. It never fails.
    std::function<void(const std::string& script)> beforeOk;
};

} // namespace kav
