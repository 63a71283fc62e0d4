// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kav {

// The program's texts are UTF-8; the text files it writes for other programs (the report,
// the printout) are in Windows-1252, the code page such files are read in. A character
// that Windows-1252 cannot hold becomes "?", and so does every byte of a broken UTF-8
// sequence, so the result always has one byte per character.
std::string toWindows1252(std::string_view utf8);

} // namespace kav
