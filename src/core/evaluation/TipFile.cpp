// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/TipFile.h"

#include "base/AtomicFile.h"
#include "base/InputFile.h"
#include "base/IoError.h"
#include "model/TipSheet.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>

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

// The unlocked rows cleared, then rows 1..12 from the first twelve lines of `next`.
template <class NextByte> void fillSheet(TipSheet& sheet, NextByte&& next) {
    sheet.clearUnlocked();
    for (int row = 0; row < TipSheet::kRows; ++row)
        fillRow(sheet, row, nextLine(next));
}

} // namespace

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
    loadTipText(sheet, readInputFile(path, inputLimit::kTipFile));
}

void loadTipText(TipSheet& sheet, std::string_view text) {
    std::size_t at = 0;
    fillSheet(sheet, [&] {
        return at < text.size() ? static_cast<int>(static_cast<unsigned char>(text[at++])) : EOF;
    });
}

} // namespace kav
