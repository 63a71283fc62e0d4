// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/TipPrintout.h"

#include "base/IntegerText.h"
#include "base/MessageTable.h"
#include "model/TipSheet.h"

#include <cstdio>
#include <stdexcept>

namespace kav {
namespace {

constexpr std::size_t kRuleLength = 46;
constexpr const char* kNumberGap = "   ";

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", value);
    return buffer;
}

int printedNumber(const TipSheet& sheet, int row, int column) {
    if (const auto value = parseInteger(sheet.cell(row, column)))
        return *value;
    throw std::runtime_error("Der " + std::to_string(row + 1) +
                             ". Tipp lässt sich nicht drucken: nicht jedes Feld enthält eine "
                             "ganze Zahl. Es wurde nichts gedruckt.");
}

} // namespace

TipPrintout makeTipPrintout(const TipSheet& sheet, const MessageTable& messages,
                            double currentDrawDate) {
    TipPrintout printout;
    printout.drawDate = wholeDayOf(currentDrawDate) + 7;
    printout.header = messages.line(msg::PrintoutHeader) + formatShortDate(printout.drawDate);
    printout.tipWord = messages.line(msg::Tip);
    printout.keyWord = messages.line(msg::KeyNumbers);
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (sheet.cell(row, 0).empty())
            continue;
        PrintedRow printed;
        printed.row = row + 1;
        for (int column = 0; column < 5; ++column)
            printed.numbers[static_cast<std::size_t>(column)] = printedNumber(sheet, row, column);
        printed.key = printedNumber(sheet, row, TipSheet::kKeyColumn);
        printout.rows.push_back(printed);
    }
    return printout;
}

std::vector<std::string> printoutLines(const TipPrintout& printout) {
    std::vector<std::string> lines{printout.header, std::string(kRuleLength, '~'), ""};
    for (const PrintedRow& row : printout.rows) {
        std::string line =
            (row.row < 10 ? " " : "") + std::to_string(row.row) + ". " + printout.tipWord + ": ";
        for (std::size_t i = 0; i < row.numbers.size(); ++i)
            line += (i > 0 ? kNumberGap : "") + twoDigits(row.numbers[i]);
        line += kNumberGap + printout.keyWord + ": " + twoDigits(row.key);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string printoutText(const TipPrintout& printout) {
    std::string text;
    for (const std::string& line : printoutLines(printout))
        text += line + "\r\n";
    return text;
}

} // namespace kav
