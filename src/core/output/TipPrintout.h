// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace kav {

class MessageTable;
class TipSheet;

inline constexpr const char* kPrintoutFileName = "Tipp.txt";

// One printed row: its 1-based sheet row, the five numbers in cell order, the key number.
struct PrintedRow {
    int row = 0;
    std::array<int, 5> numbers{};
    int key = 0;
};

// The ticket as it is printed, for the text file and the print preview alike.
struct TipPrintout {
    DayCount drawDate = 0;        // the next draw: the current draw's day + 7
    std::string header;           // message line 32 and the draw date
    std::string tipWord;          // message line 28 ("Tipp")
    std::string keyWord;          // message line 33 ("Sterne")
    std::vector<PrintedRow> rows; // rows whose first number cell is filled, in sheet order
};

// Every row whose first number cell is filled is printed; its six cells must all hold
// whole numbers. Throws std::runtime_error naming the first row that does not (nothing is
// printed then).
TipPrintout makeTipPrintout(const TipSheet& sheet, const MessageTable& messages,
                            double currentDrawDate);

// The lines of the text printout: the header, 46 tildes, an empty line, then one line per
// printed row (" 1. Tipp:  5   12   23   34   45   Sterne:  3").
std::vector<std::string> printoutLines(const TipPrintout& printout);
// The lines joined, each ended by CR LF (UTF-8).
std::string printoutText(const TipPrintout& printout);

} // namespace kav
