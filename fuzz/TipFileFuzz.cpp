// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a tip file: either refused, or the sheet takes its rows, its cells only ever
// hold valid text, and the sheet saved again is a tip file that loads back the same.
#include "FuzzWorkspace.h"

#include "evaluation/TipFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::TipSheet;
    using kav::fuzz::require;
    TipSheet sheet;
    const std::string_view input = kav::fuzz::asText(data, size);
    if (!kav::tipTextProblem(input).empty())
        return 0;
    kav::loadTipText(sheet, input);
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c) {
            const std::string& text = sheet.cell(r, c);
            require(kav::validatedCellText(text, c == TipSheet::kKeyColumn) == text);
        }
    // The saved text holds the rows whose first cell is filled, in order, and reads back.
    TipSheet again;
    const std::string saved = kav::tipFileText(sheet);
    require(kav::tipTextProblem(saved).empty());
    kav::loadTipText(again, saved);
    int line = 0;
    for (int r = 0; r < TipSheet::kRows; ++r) {
        if (sheet.cell(r, 0).empty())
            continue;
        for (int c = 0; c < TipSheet::kColumns; ++c)
            require(again.cell(line, c) == sheet.cell(r, c));
        ++line;
    }
    return 0;
}
