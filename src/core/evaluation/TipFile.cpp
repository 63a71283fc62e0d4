// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/TipFile.h"

#include "base/AtomicFile.h"
#include "base/InputFile.h"
#include "base/IntegerText.h"
#include "base/IoError.h"
#include "model/TipSheet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace kav {
namespace {

// No line the program writes comes near this; longer ones are junk, not rows.
constexpr std::size_t kMaxLineLength = 4096;

constexpr int kTuesday = 2;

// One line as the text reader sees it, from `next` (a byte, or EOF at the end): up to LF,
// a CR before it dropped. At the end of the text the line is empty. A line over the limit
// is consumed whole and read as empty.
template <class NextByte> std::string nextLine(NextByte&& next) {
    std::string line;
    bool overlong = false;
    for (int c = next(); c != EOF && c != '\n'; c = next()) {
        if (line.size() < kMaxLineLength)
            line.push_back(static_cast<char>(c));
        else
            overlong = true;
    }
    if (overlong)
        return {};
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void fillRow(TipSheet& sheet, int row, std::string_view line) {
    for (int column = 0; column < TipSheet::kKeyColumn; ++column) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) {
            sheet.setCell(row, column, "");
            continue;
        }
        sheet.setCell(row, column, line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    sheet.setCell(row, TipSheet::kKeyColumn, line);
}

// The unlocked rows cleared, then rows 1..12 from the first twelve lines of `next`. Every
// row's sum goes too: the evaluation after the load gives the complete rows theirs, and a
// locked row emptied by the file must not keep its old one.
template <class NextByte> void fillSheet(TipSheet& sheet, NextByte&& next) {
    sheet.clearUnlocked();
    for (int row = 0; row < TipSheet::kRows; ++row) {
        sheet.setSum(row, "");
        fillRow(sheet, row, nextLine(next));
    }
}

// A line as it is shown in a message: at most 40 characters, control characters as "?".
std::string shownLine(std::string_view line) {
    std::string shown;
    for (const char c : line.substr(0, 40))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return line.size() > 40 ? shown + "..." : shown;
}

// Whether `line` can be a row: up to six fields, each empty or a whole number.
bool isRowLine(std::string_view line) {
    int fields = 0;
    while (true) {
        const std::size_t comma = line.find(',');
        const std::string_view field = line.substr(0, comma);
        if (++fields > TipSheet::kColumns ||
            (field.find_first_not_of(" \t") != std::string_view::npos && !parseInteger(field)))
            return false;
        if (comma == std::string_view::npos)
            return true;
        line.remove_prefix(comma + 1);
    }
}

} // namespace

std::string tipTextProblem(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    // Empty lines at the end (an editor's last line break) are no rows.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isRowLine(lines[i]))
            return "Zeile " + std::to_string(i + 1) + " (\"" + shownLine(lines[i]) +
                   "\") ist keine Tippreihe: erwartet werden bis zu sechs ganze Zahlen, durch "
                   "Kommas getrennt.";
    if (lines.size() > TipSheet::kRows)
        return "Sie hat " + std::to_string(lines.size()) + " Zeilen, ein Tipp hat höchstens " +
               std::to_string(TipSheet::kRows) + " Reihen.";
    return {};
}

std::string proposedTipFileName(DayCount endDate) {
    const int daysOn = weekdayOf(endDate) == kTuesday ? 3 : 4;
    return formatCompactDate(endDate + daysOn) + "." + kTipFileExtension;
}

std::string tipFileText(const TipSheet& sheet) {
    std::string text;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (sheet.cell(row, 0).empty())
            continue;
        for (int column = 0; column < TipSheet::kColumns; ++column) {
            if (column > 0)
                text += ',';
            text += sheet.cell(row, column);
        }
        text += "\r\n";
    }
    return text;
}

void saveTipFile(const TipSheet& sheet, const std::filesystem::path& path) {
    writeFileAtomically(path, tipFileText(sheet));
}

void loadTipFile(TipSheet& sheet, const std::filesystem::path& path) {
    const std::string text = readInputFile(path, inputLimit::kTipFile);
    if (const std::string problem = tipTextProblem(text); !problem.empty())
        throw IoError(path.string() + " ist keine Tippdatei. " + problem +
                      " Der Tipp bleibt, wie er war.");
    loadTipText(sheet, text);
}

void loadTipText(TipSheet& sheet, std::string_view text) {
    std::size_t at = 0;
    fillSheet(sheet, [&] {
        return at < text.size() ? static_cast<int>(static_cast<unsigned char>(text[at++])) : EOF;
    });
}

} // namespace kav
