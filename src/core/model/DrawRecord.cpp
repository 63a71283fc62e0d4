// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DrawRecord.h"

#include "base/DayCount.h"

#include <bit>
#include <cstring>

namespace kav {

int DrawRecord::crossSum() const {
    int sum = 0;
    for (int i = 0; i < kNumbersPerDraw; ++i)
        sum += number(i);
    return sum;
}

std::array<std::uint8_t, kRecordSize> DrawRecord::encode() const {
    std::array<std::uint8_t, kRecordSize> out{};
    const auto bits = std::bit_cast<std::uint64_t>(date);
    for (std::size_t i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    std::memcpy(out.data() + 8, slotValues.data(), slotValues.size());
    return out;
}

DrawRecord DrawRecord::decode(const std::uint8_t* bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    DrawRecord r;
    r.date = std::bit_cast<double>(bits);
    std::memcpy(r.slotValues.data(), bytes + 8, r.slotValues.size());
    return r;
}

DrawRecord DrawRecord::make(double date, const std::array<int, 5>& numbers, int key) {
    DrawRecord r;
    r.date = date;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        r.slotValues[i] = static_cast<std::uint8_t>(numbers[i]);
    r.slotValues[6] = static_cast<std::uint8_t>(key);
    return r;
}

DrawRecord DrawRecord::seed() {
    return make(static_cast<double>(kMinimumPickerDate), {34, 42, 47, 48, 51}, 5);
}

} // namespace kav
