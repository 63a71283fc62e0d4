// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an answer of the draw-data service and as a CSV file of draws: whatever a
// parser takes must be a proper draw (five distinct numbers 1..54, a key 0..9, a date from
// 06.02.2005 to today), and nothing may crash or read out of bounds.
#include "base/TextLines.h"
#include "base/Windows1252.h"
#include "draws/DrawCsv.h"
#include "draws/DrawServiceProtocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool properNumbers(std::array<int, 5> numbers, int key) {
    std::sort(numbers.begin(), numbers.end());
    return numbers.front() >= 1 && numbers.back() <= kav::kHighestNumber &&
           std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end() && key >= 0 &&
           key <= kav::kHighestKey;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view line : kav::textLines(text))
        if (const auto draw = kav::parseDrawLine(line))
            require(properNumbers(draw->numbers, draw->key));
    (void)kav::fromWindows1252(text);
    (void)kav::toWindows1252(text);
    (void)kav::normaliseServiceAddress(text);

    constexpr kav::DayCount kToday = 45444; // 01.06.2024
    try {
        for (const kav::DrawRecord& record : kav::parseDrawCsv(text, kToday)) {
            require(!kav::drawProblem(record, kToday));
            require(properNumbers({record.number(0), record.number(1), record.number(2),
                                   record.number(3), record.number(4)},
                                  record.key()));
        }
    } catch (const kav::DrawCsvError&) {
    }
    return 0;
}
