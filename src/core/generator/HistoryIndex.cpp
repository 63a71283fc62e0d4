// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/HistoryIndex.h"

#include "model/DrawSnapshot.h"

#include <algorithm>
#include <bit>

namespace kav {
namespace {

constexpr NumberMask kEmptySlot = ~NumberMask{0}; // never a set of numbers 1..54
constexpr std::uint16_t kAllKeys = 0x3FF;

// The picks of m out of five positions (bit i of a pick takes the i-th number), grouped
// by m, so that visiting the subsets of one size needs no counting of bits.
struct PicksOfSize {
    std::array<unsigned, 10> picks{};
    std::size_t count = 0;
};
constexpr std::array<PicksOfSize, 6> kPicksBySize = [] {
    std::array<PicksOfSize, 6> table{};
    for (unsigned pick = 0; pick < 32; ++pick) {
        PicksOfSize& size = table[static_cast<std::size_t>(std::popcount(pick))];
        size.picks[size.count++] = pick;
    }
    return table;
}();

// Calls visit(subset) for every subset of `mask` with m numbers (mask holds at most five)
// until visit returns true.
template <typename Visit> void forEachSubset(NumberMask mask, int m, Visit&& visit) {
    std::array<NumberMask, 5> bits{};
    unsigned count = 0;
    for (; mask != 0 && count < 5; mask &= mask - 1)
        bits[count++] = mask & (~mask + 1);
    const PicksOfSize& ofSize = kPicksBySize[static_cast<std::size_t>(m)];
    for (std::size_t i = 0; i < ofSize.count; ++i) {
        const unsigned pick = ofSize.picks[i];
        if ((pick >> count) != 0) // a draw that repeats a number has fewer than five
            continue;
        NumberMask subset = 0;
        for (unsigned p = pick; p != 0; p &= p - 1)
            subset |= bits[static_cast<std::size_t>(std::countr_zero(p))];
        if (visit(subset))
            return;
    }
}

} // namespace

void HistoryIndex::SubsetTable::clear() {
    subsets_.assign(16, kEmptySlot);
    keys_.assign(16, 0);
    used_ = 0;
    shift_ = 64 - 4;
}

std::size_t HistoryIndex::SubsetTable::slotOf(NumberMask subset) const {
    const std::size_t mask = subsets_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((subset * 0x9E3779B97F4A7C15ull) >> shift_);
    while (subsets_[slot] != kEmptySlot && subsets_[slot] != subset)
        slot = (slot + 1) & mask;
    return slot;
}

void HistoryIndex::SubsetTable::grow() {
    std::vector<NumberMask> oldSubsets = std::move(subsets_);
    std::vector<std::uint16_t> oldKeys = std::move(keys_);
    subsets_.assign(oldSubsets.size() * 2, kEmptySlot);
    keys_.assign(oldSubsets.size() * 2, 0);
    --shift_;
    for (std::size_t i = 0; i < oldSubsets.size(); ++i)
        if (oldSubsets[i] != kEmptySlot) {
            const std::size_t slot = slotOf(oldSubsets[i]);
            subsets_[slot] = oldSubsets[i];
            keys_[slot] = oldKeys[i];
        }
}

void HistoryIndex::SubsetTable::add(NumberMask subset, std::uint16_t keys) {
    if (2 * (used_ + 1) > subsets_.size())
        grow();
    const std::size_t slot = slotOf(subset);
    if (subsets_[slot] == kEmptySlot) {
        subsets_[slot] = subset;
        ++used_;
    }
    keys_[slot] = static_cast<std::uint16_t>(keys_[slot] | keys);
}

std::uint16_t HistoryIndex::SubsetTable::keysOf(NumberMask subset) const {
    return keys_[slotOf(subset)];
}

void HistoryIndex::selectWindow(const DrawSnapshot& draws, double after, double upTo) {
    if (selected_ && after == after_ && upTo == upTo_)
        return;
    selected_ = true;
    after_ = after;
    upTo_ = upTo;
    draws_.clear();
    for (const DrawRecord& r : draws.records) {
        if (!r.isValid() || !(r.date > after && r.date <= upTo))
            continue;
        std::array<int, 5> numbers{};
        for (int i = 0; i < 5; ++i)
            numbers[static_cast<std::size_t>(i)] = r.number(i);
        draws_.push_back({maskOf(numbers), r.key()});
    }
    built_.fill(false);
}

const HistoryIndex::SubsetTable& HistoryIndex::table(int m) {
    const auto i = static_cast<std::size_t>(m);
    if (!built_[i]) {
        SubsetTable& t = tables_[i];
        t.clear();
        for (const IndexedDraw& d : draws_) {
            const auto keyBit = static_cast<std::uint16_t>(1u << static_cast<unsigned>(d.key));
            forEachSubset(d.mask, m, [&](NumberMask subset) {
                t.add(subset, keyBit);
                return false;
            });
        }
        built_[i] = true;
    }
    return tables_[i];
}

bool HistoryIndex::sharesSubset(NumberMask row, int m, std::uint16_t keyFilter) {
    if (m > 5)
        return false;
    const SubsetTable& t = table(std::max(m, 0));
    bool found = false;
    forEachSubset(row, std::max(m, 0), [&](NumberMask subset) {
        found = (t.keysOf(subset) & keyFilter) != 0;
        return found;
    });
    return found;
}

bool HistoryIndex::anyDrawReaches(NumberMask row, int key, int threshold, bool keyCounts) {
    if (sharesSubset(row, threshold, kAllKeys))
        return true;
    // An equal key number counts as one more match.
    if (keyCounts && key >= 0 && key <= 9)
        return sharesSubset(row, threshold - 1,
                            static_cast<std::uint16_t>(1u << static_cast<unsigned>(key)));
    return false;
}

} // namespace kav
