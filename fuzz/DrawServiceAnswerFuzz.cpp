// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an answer of the draw-data service, as the internet update reads it:
// whatever it takes must be a proper draw (five distinct numbers 1..54, a key 0..9) that
// the service's own line format gives back unchanged, and nothing may crash or read out of
// bounds. The same bytes also go through the address and date checks of the update.
#include "FuzzWorkspace.h"

#include "base/TextLines.h"
#include "base/Windows1252.h"
#include "draws/DrawServiceProtocol.h"

#include <algorithm>

namespace {

bool properNumbers(std::array<int, 5> numbers, int key) {
    std::sort(numbers.begin(), numbers.end());
    return numbers.front() >= 1 && numbers.back() <= kav::kHighestNumber &&
           std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end() && key >= 0 &&
           key <= kav::kHighestKey;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    const std::string_view body = kav::fuzz::asText(data, size);
    const kav::ServiceAnswer answer = kav::readServiceAnswer(body);
    const std::size_t lines = kav::textLines(body).size();
    require(answer.stoppedAtLine ? answer.draws.size() < lines : answer.draws.size() == lines);
    require(!answer.message || answer.stoppedAtLine);
    for (const kav::DrawLine& draw : answer.draws) {
        require(properNumbers(draw.numbers, draw.key));
        const auto record = kav::DrawRecord::make(45444.0, draw.numbers, draw.key);
        const auto again = kav::parseDrawLine(kav::drawLineText("x", record, "rest"));
        require(again && again->numbers == draw.numbers && again->key == draw.key);
    }
    // A message is shown as UTF-8 text; the conversion keeps every byte of any answer.
    require(kav::toWindows1252(kav::fromWindows1252(body)) == body);

    if (const auto address = kav::normaliseServiceAddress(body))
        require(address->find_first_of("?#@ \\\r\n") == std::string::npos &&
                kav::normaliseServiceAddress(*address) == address);
    if (const auto date = kav::parseCompactDate(body))
        require(kav::formatCompactDate(*date) == body);
    return 0;
}
