// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as the settings store: the load never fails, keeps every spin position in its
// bounds and every cell valid, and what is saved reads back the same.
#include "FuzzWorkspace.h"

#include "app/SettingsLoad.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kav::fuzz::FuzzWorkspace f;
    const kav::SettingsValues values =
        kav::parseSettingsFile(std::string(reinterpret_cast<const char*>(data), size));
    kav::Workspace& ws = f.ws;
    kav::loadSettings(ws, values);
    for (int n = 1; n <= kav::kUpDownCount; ++n)
        if (ws.options.upDown(n) < ws.options.upDownMinimum(n) ||
            ws.options.upDown(n) > ws.options.upDownMaximum(n))
            std::abort();
    for (int r = 0; r < kav::TipSheet::kRows; ++r)
        for (int c = 0; c < kav::TipSheet::kColumns; ++c)
            if (kav::validatedCellText(ws.sheet.cell(r, c), c == kav::TipSheet::kKeyColumn) !=
                ws.sheet.cell(r, c))
                std::abort();
    const kav::SettingsValues saved = kav::saveSettings(ws, true);
    if (kav::parseSettingsFile(kav::formatSettingsFile(saved)) != saved)
        std::abort();
    return 0;
}
