// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/Report.h"

namespace kav {

std::string reportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (const char c : line) {
            if (c == '\n')
                text += "\r\n";
            else
                text += c;
        }
        text += "\r\n";
    }
    return text;
}

} // namespace kav
