// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as the program's settings store: what it holds is written back the same, and
// the load never fails, keeps every spin position in its bounds and every cell valid.
#include "FuzzWorkspace.h"

#include "app/SettingsLoad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    const kav::SettingsValues values =
        kav::parseSettingsFile(std::string(kav::fuzz::asText(data, size)));
    require(kav::parseSettingsFile(kav::formatSettingsFile(values)) == values);

    kav::fuzz::FuzzWorkspace f;
    kav::Workspace& ws = f.ws;
    kav::loadSettings(ws, values);
    for (const kav::UpDownControl& spin : kav::upDownControls())
        require(ws.options.value(spin.id) >= ws.options.minimum(spin.id) &&
                ws.options.value(spin.id) <= ws.options.maximum(spin.id));
    for (int r = 0; r < kav::TipSheet::kRows; ++r)
        for (int c = 0; c < kav::TipSheet::kColumns; ++c)
            require(kav::validatedCellText(ws.ticket.sheet.cell(r, c),
                                           c == kav::TipSheet::kKeyColumn) ==
                    ws.ticket.sheet.cell(r, c));
    require(ws.drawWindow.startPicker.value >= ws.drawWindow.startPicker.minimum);
    return 0;
}
