// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IoError.h"

#include <cstring>

namespace kav {

std::string ioErrorText(const std::string& action, const std::filesystem::path& path, int errnum) {
    std::string text = "E/A-Fehler beim " + action + " von \"" + path.string() + "\"";
    if (errnum != 0)
        text += ": " + std::string(std::strerror(errnum));
    return text;
}

} // namespace kav
