// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/CandidateRow.h"
#include "generator/HistoryIndex.h"
#include "model/DrawWindow.h"
#include "model/Options.h"

#include <span>

namespace kav {

struct DrawSnapshot;
struct ReferenceDraws;

// The acceptance rules of the pages "Schein Optimierung" and "Mathematisch", tested in
// their fixed order; the first failing rule rejects the row. The options and the date
// pickers are read at every test, so a change during a run takes effect at once. The
// history rules work on the draws of the run's snapshot, which is what reading the draw
// file at every test would give as long as the run does not write it.
class RowRules {
public:
    explicit RowRules(const DrawSnapshot& draws) : draws_(draws) {}

    // `row` is the sheet row 1..12; `earlierRows` the rows accepted before it (an empty row
    // is a mask without numbers).
    bool accepts(const Options& options, const DrawWindow& dates, const CandidateRow& candidate,
                 int row, std::span<const NumberMask> earlierRows,
                 const ReferenceDraws& references);

private:
    const DrawSnapshot& draws_;
    HistoryIndex databaseWindow_; // after the start date, up to the end date
    HistoryIndex recentWindow_;   // the last 14 x N days up to the end date
};

// The primes the minimum-primes rule counts (53 is left out).
inline constexpr NumberMask kPrimeNumbers =
    maskOfNumber(2) | maskOfNumber(3) | maskOfNumber(5) | maskOfNumber(7) | maskOfNumber(11) |
    maskOfNumber(13) | maskOfNumber(17) | maskOfNumber(19) | maskOfNumber(23) | maskOfNumber(29) |
    maskOfNumber(31) | maskOfNumber(37) | maskOfNumber(41) | maskOfNumber(43) | maskOfNumber(47);

} // namespace kav
