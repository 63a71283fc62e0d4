// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a number list (.hlw): the dialog either takes the list whole, with weights
// the pool can be built from, or refuses it with a message and stays as it was; a list it
// took saves and loads back the same.
#include "FuzzWorkspace.h"

#include "generator/NumberList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    kav::NumberBoxes before;
    before[1] = {true, "7", kav::BoxColour::Yellow};
    kav::NumberBoxes loaded;
    try {
        loaded = kav::readNumberList(before, kav::kListNumbers, kav::fuzz::asText(data, size),
                                     "fuzz.hlw");
    } catch (const kav::NumberListError&) {
        return 0;
    }
    const kav::CandidatePool pool = kav::poolFromBoxes(loaded);
    require(pool.size() <= static_cast<std::size_t>(kav::kListNumbers) * kav::kMaxListWeight);
    for (int k = 1; k <= kav::kListNumbers; ++k)
        require(loaded[k].checked || loaded[k].weight == "1");

    kav::NumberBoxes saved = loaded;
    const kav::NumberBoxes again = kav::readNumberList(
        before, kav::kListNumbers, kav::numberListText(saved, kav::kListNumbers), "again.hlw");
    for (int k = 1; k <= kav::kListNumbers; ++k)
        require(again[k].checked == loaded[k].checked && again[k].weight == loaded[k].weight);
    return 0;
}
