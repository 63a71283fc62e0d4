// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NumberMask.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kav {

struct DrawSnapshot;

// The draws of one date window, indexed for the history rules: "does any draw share at
// least X numbers with the row, counting an equal key number as one more" costs a few
// table lookups instead of a scan of the window. A row shares m numbers with a draw
// exactly when one of its m-number subsets is a subset of the draw, so each table maps
// the m-number subsets of the window's draws to the key numbers of the draws holding
// them. Tables are built on first use; the answers equal a scan of the window.
class HistoryIndex {
public:
    // Takes the valid draws dated after `after` and on or before `upTo`; does nothing when
    // the window is the one already taken.
    void selectWindow(const DrawSnapshot& draws, double after, double upTo);

    std::size_t drawCount() const { return draws_.size(); }

    // Whether some draw of the window reaches `threshold` matches with a five-number row.
    bool anyDrawReaches(NumberMask row, int key, int threshold, bool keyCounts);

private:
    // Open addressing over subset masks; the value holds one bit per key number 0..9.
    class SubsetTable {
    public:
        void clear();
        void add(NumberMask subset, std::uint16_t keys);
        std::uint16_t keysOf(NumberMask subset) const;

    private:
        void grow();
        std::size_t slotOf(NumberMask subset) const;
        std::vector<NumberMask> subsets_;
        std::vector<std::uint16_t> keys_;
        std::size_t used_ = 0;
        unsigned shift_ = 64;
    };

    struct IndexedDraw {
        NumberMask mask;
        int key;
    };

    // Some m-number subset of the row belongs to a draw whose key is in `keyFilter`.
    bool sharesSubset(NumberMask row, int m, std::uint16_t keyFilter);
    const SubsetTable& table(int m);

    bool selected_ = false;
    double after_ = 0.0;
    double upTo_ = 0.0;
    std::vector<IndexedDraw> draws_;
    std::array<SubsetTable, 6> tables_;
    std::array<bool, 6> built_{};
};

} // namespace kav
