// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace kav {

// The weighted list the generator draws from: numbers 1..54, a number's weight being the
// count of its entries. Every pick takes the entry at a random position, so the order of
// the entries is part of the result. The list grows as far as the options ask.
class CandidatePool {
public:
    CandidatePool() = default;
    explicit CandidatePool(std::vector<int> entries) : entries_(std::move(entries)) {}

    const std::vector<int>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    int operator[](std::size_t position) const { return entries_[position]; }

    void append(int number, int copies = 1);

    // Weight of each number 1..54 (index 0 unused).
    std::array<int, 55> weights() const;
    int distinctNumbers() const;

    // Removal marks: entries stay in place until `closeUp`.
    void markAllOf(std::span<const int> numbers);
    void markBelow(int number);
    // Marks the first entry of `number` in pool order that is not marked yet, if any.
    void markFirstOf(int number);

    // Drops the marked entries in one walk from the first position to the last: a marked
    // position takes the entry of the current last position, which is dropped, until it
    // holds a kept entry or the walk has passed the end. Kept entries therefore stay in
    // appending order, except that entries from the end move into the gaps.
    void closeUp();

private:
    std::vector<int> entries_;
    std::vector<bool> marked_; // sized on the first mark
    void ensureMarks();
};

} // namespace kav
