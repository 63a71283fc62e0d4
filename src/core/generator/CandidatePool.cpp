// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/CandidatePool.h"

#include <algorithm>

namespace kav {

void CandidatePool::append(int number, int copies) {
    entries_.insert(entries_.end(), static_cast<std::size_t>(copies), number);
}

std::array<int, 55> CandidatePool::weights() const {
    std::array<int, 55> weights{};
    for (int n : entries_)
        if (n >= 1 && n <= 54)
            ++weights[static_cast<std::size_t>(n)];
    return weights;
}

int CandidatePool::distinctNumbers() const {
    const std::array<int, 55> w = weights();
    return static_cast<int>(std::count_if(w.begin() + 1, w.end(), [](int c) { return c > 0; }));
}

void CandidatePool::ensureMarks() {
    marked_.resize(entries_.size(), false);
}

void CandidatePool::markAllOf(std::span<const int> numbers) {
    ensureMarks();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (std::find(numbers.begin(), numbers.end(), entries_[i]) != numbers.end())
            marked_[i] = true;
}

void CandidatePool::markBelow(int number) {
    ensureMarks();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i] < number)
            marked_[i] = true;
}

void CandidatePool::markFirstOf(int number) {
    ensureMarks();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i] == number && !marked_[i]) {
            marked_[i] = true;
            return;
        }
}

void CandidatePool::closeUp() {
    ensureMarks();
    std::size_t end = entries_.size();
    for (std::size_t i = 0; i < end; ++i) {
        while (i < end && marked_[i]) {
            --end;
            entries_[i] = entries_[end];
            marked_[i] = marked_[end];
        }
    }
    entries_.resize(end);
    marked_.clear();
}

} // namespace kav
