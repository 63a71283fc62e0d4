// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace kav {

// The core's texts are UTF-8; Qt's are QString. The one conversion of every Qt front end.
inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace kav
