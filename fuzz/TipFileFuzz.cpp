// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a tip file: the sheet takes what fits into twelve rows and its cells only
// ever hold valid text.
#include "FuzzWorkspace.h"

#include "evaluation/TipFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kav::fuzz::FuzzWorkspace f;
    f.writeFile("fuzz.hlt", data, size);
    kav::TipSheet sheet;
    kav::loadTipFile(sheet, f.folder / "fuzz.hlt");
    for (int r = 0; r < kav::TipSheet::kRows; ++r)
        for (int c = 0; c < kav::TipSheet::kColumns; ++c) {
            const std::string& text = sheet.cell(r, c);
            if (kav::validatedCellText(text, c == kav::TipSheet::kKeyColumn) != text)
                std::abort();
        }
    return 0;
}
