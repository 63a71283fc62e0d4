// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a click-script template (Windows-1252, as the template file holds it):
// filling it with a sheet and writing it out never crashes, leaves no tip placeholder of
// a filled row behind, and gives a script whose every line ends in CR LF.
#include "FuzzWorkspace.h"

#include "base/Windows1252.h"
#include "model/TipSheet.h"
#include "output/ClickScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    static const kav::TipSheet sheet = [] {
        kav::TipSheet s;
        for (int r = 0; r < kav::TipSheet::kRows; ++r)
            for (int c = 0; c < kav::TipSheet::kColumns; ++c)
                s.setCell(r, c,
                          std::to_string(c == kav::TipSheet::kKeyColumn ? r % 10 : r + c + 1));
        return s;
    }();
    const std::string templateText = kav::fromWindows1252(kav::fuzz::asText(data, size));
    const std::string script =
        kav::fillClickScript(templateText, sheet, "/home/anna/Kavanto/Tipps/20261216.hlt");
    for (const char* placeholder : {"[MELDUNGFERTIG]", "[TIPPDATEI]", "[SPIEL77]", "[SUPER6]"})
        require(script.find(placeholder) == std::string::npos);

    const std::string bytes = kav::clickScriptFileBytes(script);
    for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
        require(at > 0 && bytes[at - 1] == '\r');
    for (std::size_t at = bytes.find('\r'); at != std::string::npos; at = bytes.find('\r', at + 1))
        require(at + 1 < bytes.size() && bytes[at + 1] == '\n');
    require(bytes.empty() == script.empty());
    return 0;
}
