// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a number list (.hlw): the dialog either takes the list whole, with weights
// the pool can be built from, or refuses it with a message and stays as it was.
#include "generator/NumberList.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kav::NumberBoxes before;
    before[1] = {true, "7", kav::BoxColour::Yellow};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const kav::NumberBoxes loaded =
            kav::readNumberList(before, kav::kListNumbers, text, "fuzz.hlw");
        const kav::CandidatePool pool = kav::poolFromBoxes(loaded);
        if (pool.size() > static_cast<std::size_t>(kav::kListNumbers) * kav::kMaxListWeight)
            std::abort();
        for (int k = 1; k <= kav::kListNumbers; ++k)
            if (!loaded[k].checked && loaded[k].weight != "1")
                std::abort();
    } catch (const kav::NumberListError&) {
    }
    return 0;
}
