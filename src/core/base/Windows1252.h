// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kav {

// The text files the program shares with the Windows world (printout, click scripts and
// their templates) are in Windows-1252 without a byte-order mark; inside, texts are UTF-8.

// UTF-8 to Windows-1252. A character the code page cannot hold, and a byte that is not
// valid UTF-8, becomes "?", as Windows' own conversion does.
std::string toWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, so every byte
// round-trips.
std::string fromWindows1252(std::string_view bytes);

} // namespace kav
