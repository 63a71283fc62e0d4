// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kav::klickstart {

// One tip row as the click script names it: "TIPP <row> = <numbers...> STERN <key>".
struct ScriptRow {
    int row = 0;
    std::vector<std::string> numbers;
    std::string key;
};

// What Klickwerk receives: "START", the click script's path (cut at its blanks into
// several arguments), then ZAHL1, TEXT1, ZAHL2 and TEXT2.
struct Handoff {
    std::vector<std::string> arguments; // exactly as received
    std::string script;                 // the path put back together with its blanks
    std::string zahl1, text1, zahl2, text2;
    std::vector<ScriptRow> rows; // the filled tip rows of the click script
    std::string error;           // empty when the hand-off was understood
};

// Reads the arguments (after the program name and our own options) and the click script.
Handoff readHandoff(const std::vector<std::string>& arguments);

// The tip rows of a click script's text (UTF-8): rows without a single value are left out.
std::vector<ScriptRow> scriptRows(const std::string& text);

} // namespace kav::klickstart
