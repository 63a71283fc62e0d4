// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kav {

// The code page of every text the program reads or writes without a byte-order mark
// (the draw-data service's answers among them). Bytes 0x80..0x9F that the code page
// leaves undefined map to the control characters of the same number, as Windows does.
std::string utf8FromWindows1252(std::string_view bytes);

// Characters the code page cannot hold become "?"; malformed UTF-8 bytes too.
std::string windows1252FromUtf8(std::string_view utf8);

} // namespace kav
