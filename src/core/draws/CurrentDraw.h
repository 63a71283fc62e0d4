// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/DrawRecord.h"

#include <array>
#include <cstdint>

namespace kav {

// The draw on display: its date, eight slots mirroring record bytes 8..15 (slots 0..4 the
// numbers, 5 byte 13, 6 the key number, 7 byte 15) and its 0-based position in the file.
struct CurrentDraw {
    double date = 0.0;
    std::array<std::int32_t, 8> slots{};
    std::int32_t index = 0;

    int number(int i) const { return slots[static_cast<std::size_t>(i)]; }
    int key() const { return slots[6]; }
    int crossSum() const { return slots[0] + slots[1] + slots[2] + slots[3] + slots[4]; }

    void takeSlots(const DrawRecord& record) {
        for (std::size_t i = 0; i < slots.size(); ++i)
            slots[i] = record.slots[i];
    }
    void take(const DrawRecord& record) {
        date = record.date;
        takeSlots(record);
    }
};

} // namespace kav
