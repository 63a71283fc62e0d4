// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kav {

// The program's one random generator: a 32-bit linear congruential generator. Equal
// seeds with equal options and an equal draw file give equal tips, bit for bit.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

    // A value 0..bound-1 (bound >= 1): the upper 32 bits of seed * bound after a step.
    std::uint32_t next(std::uint32_t bound) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * bound) >> 32);
    }

private:
    std::uint32_t seed_;
};

} // namespace kav
