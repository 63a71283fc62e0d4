// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "draws/DrawFile.h"

#include <filesystem>
#include <vector>

namespace kav::test {

// Forty weekly draws up to 02.03.2024, before the window fixture's today; numbers spread
// over 1..54, the newest 10 15 30 38 48.
inline void writeFortyWeeklyDraws(const std::filesystem::path& folder) {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < 40; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2023, 6, 3}) + 7.0 * w,
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    DrawFile(folder).replace(draws);
}

} // namespace kav::test
