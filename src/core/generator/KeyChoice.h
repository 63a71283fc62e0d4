// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace kav {

class Workspace;
struct DrawSnapshot;
struct ReferenceDraws;
struct ChartPoint;

// The key number of one attempt, by the item of `RadioGroup1`: 0 a random key, 1 the
// rarest key, 2 the longest-outstanding key; with `CheckBox16` the keys of the last
// draws (as many as `UpDown19` says, at most three) are excluded.
class KeyChoice {
public:
    explicit KeyChoice(const DrawSnapshot& draws) : draws_(draws) {}

    int choose(Workspace& ws, const ReferenceDraws& references);

private:
    // Items 1 and 2 use no random numbers: their statistic depends only on the window
    // and the snapshot, so it runs once per window and its chart stays on display.
    int statisticKey(Workspace& ws, int item);

    const DrawSnapshot& draws_;
    struct Remembered {
        int item;
        int start;
        int end;
        int key;
    };
    std::optional<Remembered> remembered_;
};

// The highest key number whose count is the smallest (`rarest`) or the largest count
// among the points; 0 without points.
int keyWithExtremeCount(const std::vector<ChartPoint>& points, bool rarest);

// Whether `CheckBox16` keeps `key` out: the key of the last draw, with `UpDown19` above
// 1 also the second-last, above 2 also the third-last.
bool isExcludedKey(const Workspace& ws, const ReferenceDraws& references, int key);

} // namespace kav
