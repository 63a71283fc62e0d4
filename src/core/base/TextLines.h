// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace kav {

// The lines of a text, split at CR LF, LF or CR; an empty last line after a final line
// break does not count. The views point into `text`.
std::vector<std::string_view> textLines(std::string_view text);

} // namespace kav
