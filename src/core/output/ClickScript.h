// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

class TipSheet;

// Folders of the program folder: the click-script templates and the submissions.
inline constexpr const char* kScriptFolder = "Script";
inline constexpr const char* kSubmissionFolder = "Tipps";
inline constexpr const char* kClickScriptFilter = "Velmors Click Script|*.vks";
inline constexpr const char* kClickScriptExtension = "vks";

// The text that "[MELDUNGFERTIG]" stands for; fixed, not taken from the message table.
inline constexpr const char* kReadyMessage =
    "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!";

// "yyyymmdd.hlt" of the date seven days after the end-date picker's date.
std::string submissionTipFileName(DayCount pickerDate);
// "yyyymmdd.vks" of today: one click script per day, a later submission overwrites it.
std::string clickScriptFileName(DayCount today);

// Replaces every occurrence of `placeholder` (case-sensitive), scanning left to right;
// the inserted text is not scanned again.
std::string replaceAll(std::string_view text, std::string_view placeholder, std::string_view value);

// Fills a template: for row r = 1..12 and cell c = 1..6 "[Zc_r]" becomes the cell's text
// (c = 6 the key cell), then "[MELDUNGFERTIG]", "[TIPPDATEI]" (the submission tip file),
// and "NEIN" for "[MI]", "[SA]", "[MISA]", "[SPIEL77]", "[SUPER6]", in this order.
std::string fillClickScript(std::string_view templateText, const TipSheet& sheet,
                            const std::string& tipFilePath);

// Reads a template (Windows-1252) as UTF-8 text. Throws IoError when the path names no
// readable file.
std::string readClickScriptTemplate(const std::filesystem::path& path);
// The click script's bytes: every line ended by CR LF (a line break of any kind in the
// text becomes one), in Windows-1252.
std::string clickScriptFileBytes(std::string_view text);

// The four values Klickwerk receives after the script, passed on uninterpreted.
struct KlickwerkParameters {
    std::string zahl1;
    std::string text1;
    std::string zahl2;
    std::string text2;
};

// "START " + script path + " " + ZAHL1 + " " + TEXT1 + " " + ZAHL2 + " " + TEXT2: joined
// by single blanks, nothing quoted (the order is not the dialog's order of the fields).
std::string klickwerkParameterString(const std::string& scriptPath, const KlickwerkParameters& p);
// The parameter string cut at every blank into program arguments: a path with blanks
// falls into several arguments, two adjacent blanks give an empty argument between them.
std::vector<std::string> splitAtBlanks(std::string_view text);

} // namespace kav
