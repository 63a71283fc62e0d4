// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawRecord.h"

#include <array>
#include <cstdint>

namespace kav {

// The draw on display: its date, eight slots mirroring record bytes 8..15 (slots 0..4 the
// numbers, 5 byte 13, 6 the key number, 7 byte 15) and its 0-based position in the file.
// (`slotValues`: Qt reserves the word "slots" as a macro.)
struct CurrentDraw {
    double date = 0.0;
    std::array<std::int32_t, 8> slotValues{};
    std::int32_t index = 0;

    int number(int i) const { return slotValues[static_cast<std::size_t>(i)]; }
    int key() const { return slotValues[6]; }
    int crossSum() const {
        return slotValues[0] + slotValues[1] + slotValues[2] + slotValues[3] + slotValues[4];
    }

    void takeSlots(const DrawRecord& record) {
        for (std::size_t i = 0; i < slotValues.size(); ++i)
            slotValues[i] = record.slotValues[i];
    }
    void take(const DrawRecord& record) {
        date = record.date;
        takeSlots(record);
    }
};

} // namespace kav
