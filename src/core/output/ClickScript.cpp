// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ClickScript.h"

#include "base/InputFile.h"
#include "base/IoError.h"
#include "base/Windows1252.h"
#include "model/TipSheet.h"

#include <cerrno>
#include <fstream>
#include <iterator>

namespace kav {

std::string submissionTipFileName(DayCount pickerDate) {
    return formatCompactDate(pickerDate + 7) + ".hlt";
}

std::string clickScriptFileName(DayCount today) {
    return formatCompactDate(today) + "." + kClickScriptExtension;
}

std::string replaceAll(std::string_view text, std::string_view placeholder,
                       std::string_view value) {
    if (placeholder.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        out.append(text.substr(from, at - from));
        out.append(value);
        from = at + placeholder.size();
    }
    out.append(text.substr(from));
    return out;
}

namespace {

// replaceAll over `text` itself; a text without the placeholder is left without a copy.
void replaceIn(std::string& text, std::string_view placeholder, std::string_view value) {
    if (text.find(placeholder) != std::string::npos)
        text = replaceAll(text, placeholder, value);
}

} // namespace

std::string fillClickScript(std::string_view templateText, const TipSheet& sheet,
                            const std::string& tipFilePath) {
    std::string text(templateText);
    // Cells hold digits only, so filling one never makes a "[Z" that was not there: a
    // template without any needs none of the 72 searches.
    const bool hasCellPlaceholders = text.find("[Z") != std::string::npos;
    for (int row = 0; hasCellPlaceholders && row < TipSheet::kRows; ++row)
        for (int column = 0; column < TipSheet::kColumns; ++column) {
            const std::string placeholder =
                "[Z" + std::to_string(column + 1) + "_" + std::to_string(row + 1) + "]";
            replaceIn(text, placeholder, sheet.cell(row, column));
        }
    const std::pair<const char*, std::string> fixed[] = {
        {"[MELDUNGFERTIG]", kReadyMessage},
        {"[TIPPDATEI]", tipFilePath},
        {"[MI]", "NEIN"},
        {"[SA]", "NEIN"},
        {"[MISA]", "NEIN"},
        {"[SPIEL77]", "NEIN"},
        {"[SUPER6]", "NEIN"},
    };
    for (const auto& [placeholder, value] : fixed)
        replaceIn(text, placeholder, value);
    return text;
}

std::string readClickScriptTemplate(const std::filesystem::path& path) {
    if (path.empty())
        throw IoError(ioErrorText("Öffnen", path, ENOENT));
    return fromWindows1252(readInputFile(path, inputLimit::kClickScript));
}

std::string clickScriptFileBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            out.append(text.substr(i));
            out += "\r\n";
            break;
        }
        out.append(text.substr(i, end - i));
        out += "\r\n";
        i = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return toWindows1252(out);
}

std::string klickwerkParameterString(const std::string& scriptPath, const KlickwerkParameters& p) {
    return "START " + scriptPath + " " + p.zahl1 + " " + p.text1 + " " + p.zahl2 + " " + p.text2;
}

std::vector<std::string> splitAtBlanks(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos;
         blank = text.find(' ', from)) {
        parts.emplace_back(text.substr(from, blank - from));
        from = blank + 1;
    }
    parts.emplace_back(text.substr(from));
    return parts;
}

} // namespace kav
