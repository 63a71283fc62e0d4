// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaselineTipRun.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "generator/CandidatePoolBuild.h"
#include "generator/KeyChoice.h"
#include "generator/LateRunAdjustments.h"
#include "generator/ReferenceDraws.h"
#include "stats/StatisticCommands.h"

#include <algorithm>

namespace kav::bench {
namespace {

using Row = std::array<int, 5>;

template <std::size_t N> bool contains(const std::array<int, N>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool isPrime(int value) {
    constexpr std::array<int, 15> kPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    return contains(kPrimes, value);
}

int shared(const Row& candidate, const Row& other) {
    int count = 0;
    for (int n : candidate)
        if (contains(other, n))
            ++count;
    return count;
}

int key(Workspace& ws, const ReferenceDraws& refs) {
    const int item = ws.options.radioGroup1();
    if (item == 0) {
        int k = 0;
        do
            k = static_cast<int>(ws.random.next(10));
        while (isExcludedKey(ws, refs, k));
        return k;
    }
    if (item == 1)
        SpeedButton3Click(ws); // reads the draw file
    else
        Button8Click(ws);
    int k = keyWithExtremeCount(ws.chart.points, item == 1);
    while (isExcludedKey(ws, refs, k))
        k = (k + 1) % 10;
    return k;
}

// Reads the draw file and looks for a draw of the window with `threshold` matches.
bool historyMatch(Workspace& ws, const Row& row, int k, double after, double upTo, int threshold) {
    const bool keyCounts = ws.options.checkBox(31);
    const DrawSnapshot draws = ws.readDraws();
    for (const DrawRecord& r : draws.records) {
        if (!r.isValid() || r.date <= after || r.date > upTo)
            continue;
        const Row drawn{r.number(0), r.number(1), r.number(2), r.number(3), r.number(4)};
        const int matches = shared(row, drawn) + (keyCounts && r.key() == k ? 1 : 0);
        if (matches >= threshold)
            return true;
    }
    return false;
}

bool accepts(Workspace& ws, const Row& n, int k, int row, const std::vector<Row>& earlier,
             const ReferenceDraws& refs) {
    const Options& o = ws.options;
    if (row > 1) {
        int largest = 0;
        for (const Row& other : earlier) {
            const int c = shared(n, other);
            if (o.checkBox(27) && (c > o.upDown(3) || c < o.upDown(9)))
                return false;
            largest = std::max(largest, c);
        }
        if ((o.checkBox(3) && largest > o.upDown(3)) || (o.checkBox(24) && largest < o.upDown(9)))
            return false;
    }
    bool pair = false;
    bool triple = false;
    for (std::size_t i = 0; i < 4; ++i)
        pair = pair || n[i + 1] == n[i] + 1;
    for (std::size_t i = 0; i < 3; ++i)
        triple = triple || (n[i + 1] == n[i] + 1 && n[i + 2] == n[i + 1] + 1);
    if ((o.checkBox(8) && !pair) || (o.checkBox(18) && triple))
        return false;
    const int sum = n[0] + n[1] + n[2] + n[3] + n[4];
    if (sum < o.upDown(1) || sum > o.upDown(2))
        return false;
    const std::pair<const ReferenceDraw*, std::array<int, 2>> limits[] = {
        {&refs.last, {4, 4}}, {&refs.secondLast, {5, 5}}, {&refs.thirdLast, {23, 11}}};
    for (const auto& [draw, controls] : limits) {
        const int limit = o.upDown(controls[1]);
        if (o.checkBox(controls[0]) && limit > 0 && shared(n, draw->numbers) > limit)
            return false;
    }
    int even = 0;
    for (int v : n)
        even += v % 2 == 0 ? 1 : 0;
    if ((o.checkBox(25) && even < o.upDown(15)) || (o.checkBox(26) && 5 - even < o.upDown(16)))
        return false;
    const auto end = static_cast<double>(ws.endPicker.value);
    if (o.checkBox(9) &&
        historyMatch(ws, n, k, static_cast<double>(ws.startPicker.value), end, o.upDown(6)))
        return false;
    if (o.checkBox(28) && historyMatch(ws, n, k, end - 14.0 * o.upDown(18), end, o.upDown(17)))
        return false;
    int primes = isPrime(k) ? 1 : 0;
    for (int v : n)
        primes += isPrime(v) ? 1 : 0;
    return !(o.checkBox(22) && primes < o.upDown(10));
}

} // namespace

RunRows baselineTipRun(Workspace& ws) {
    const int budget = ws.options.upDown(7) * 1000;
    const AdjustedOptions saved(ws.options);
    const ReferenceDraws refs = readReferenceDraws(ws);
    const CandidatePool pool = buildCandidatePool(ws, ws.readDraws(), refs);
    ws.running = true;
    RunRows result;
    int attempts = 0;
    for (int r = 1; r <= 12; ++r) {
        Row numbers{};
        int k = 0;
        if (r == 1 || (attempts < budget && r <= ws.options.upDown(8))) {
            bool accepted = false;
            while (!accepted && attempts < budget) {
                ++attempts;
                applyLateRunAdjustments(ws.options, attempts, budget, r);
                for (int drawn = 0; drawn < 5;) {
                    const int v = pool[ws.random.next(static_cast<std::uint32_t>(pool.size()))];
                    if (!contains(numbers, v))
                        numbers[static_cast<std::size_t>(drawn++)] = v;
                }
                k = key(ws, refs);
                std::sort(numbers.begin(), numbers.end());
                accepted = accepts(ws, numbers, k, r, result.rows, refs);
                if (!accepted)
                    numbers = {};
            }
        }
        if (attempts >= budget)
            numbers = {};
        if (r == 1)
            result.firstKey = numbers[0] != 0 ? k : 0; // an empty row's key cell is emptied
        result.rows.push_back(numbers);
    }
    ws.running = false;
    saved.restore(ws.options);
    result.attempts = attempts;
    return result;
}

RunRows sheetRows(const Workspace& ws, int attempts) {
    RunRows result;
    for (int r = 0; r < 12; ++r) {
        Row numbers{};
        for (int c = 0; c < 5; ++c)
            numbers[static_cast<std::size_t>(c)] = parseInteger(ws.sheet.cell(r, c)).value_or(0);
        result.rows.push_back(numbers);
    }
    result.firstKey = parseInteger(ws.sheet.cell(0, 5)).value_or(0);
    result.attempts = attempts;
    return result;
}

} // namespace kav::bench
