// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaselineTipRun.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "commands/CandidatePoolBuild.h"
#include "commands/DrawReading.h"
#include "commands/KeyChoice.h"
#include "commands/ReferenceDrawSelection.h"
#include "commands/StatisticCommands.h"
#include "generator/KeyRules.h"
#include "generator/LateRunAdjustments.h"
#include "generator/ReferenceDraws.h"
#include "model/Controls.h"

#include <algorithm>
#include <tuple>

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
    const int item = ws.options.keyModeItem();
    if (item == 0) {
        int k = 0;
        do
            k = static_cast<int>(ws.run.random.next(10));
        while (isExcludedKey(ws.options, refs, k));
        return k;
    }
    if (item == 1)
        SpeedButton3Click(ws.program, ws.ticket, ws.drawWindow, ws.run,
                          ws.view); // reads the draw file
    else
        Button8Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    int k = keyWithExtremeCount(ws.view.chart.points, item == 1);
    while (isExcludedKey(ws.options, refs, k))
        k = (k + 1) % 10;
    return k;
}

// Reads the draw file and looks for a draw of the window with `threshold` matches.
bool historyMatch(Workspace& ws, const Row& row, int k, double after, double upTo, int threshold) {
    const bool keyCounts = ws.options.checked(CheckBox::KeyCountsAsHit);
    const DrawSnapshot draws = readDrawFile(ws.program);
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
            if (o.checked(CheckBox::PairwiseOverlap) &&
                (c > o.value(UpDown::MaximumOverlap) || c < o.value(UpDown::MinimumOverlap)))
                return false;
            largest = std::max(largest, c);
        }
        if ((o.checked(CheckBox::MaximumOverlap) && largest > o.value(UpDown::MaximumOverlap)) ||
            (o.checked(CheckBox::MinimumOverlap) && largest < o.value(UpDown::MinimumOverlap)))
            return false;
    }
    bool pair = false;
    bool triple = false;
    for (std::size_t i = 0; i < 4; ++i)
        pair = pair || n[i + 1] == n[i] + 1;
    for (std::size_t i = 0; i < 3; ++i)
        triple = triple || (n[i + 1] == n[i] + 1 && n[i + 2] == n[i + 1] + 1);
    if ((o.checked(CheckBox::ForcedPair) && !pair) ||
        (o.checked(CheckBox::NoRunsOfThree) && triple))
        return false;
    const int sum = n[0] + n[1] + n[2] + n[3] + n[4];
    if (sum < o.value(UpDown::CrossSumFrom) || sum > o.value(UpDown::CrossSumTo))
        return false;
    const std::tuple<const ReferenceDraw*, CheckBox, UpDown> limits[] = {
        {&refs.last, CheckBox::LastDrawLimit, UpDown::LastDrawLimit},
        {&refs.secondLast, CheckBox::SecondLastDrawLimit, UpDown::SecondLastDrawLimit},
        {&refs.thirdLast, CheckBox::ThirdLastDrawLimit, UpDown::ThirdLastDrawLimit}};
    for (const auto& [draw, rule, limitField] : limits) {
        const int limit = o.value(limitField);
        if (o.checked(rule) && limit > 0 && shared(n, draw->numbers) > limit)
            return false;
    }
    int even = 0;
    for (int v : n)
        even += v % 2 == 0 ? 1 : 0;
    if ((o.checked(CheckBox::MinimumEven) && even < o.value(UpDown::MinimumEven)) ||
        (o.checked(CheckBox::MinimumOdd) && 5 - even < o.value(UpDown::MinimumOdd)))
        return false;
    const auto end = static_cast<double>(ws.drawWindow.endPicker.value);
    if (o.checked(CheckBox::DatabaseRule) &&
        historyMatch(ws, n, k, static_cast<double>(ws.drawWindow.startPicker.value), end,
                     o.value(UpDown::DatabaseMatches)))
        return false;
    if (o.checked(CheckBox::RecentDrawsRule) &&
        historyMatch(ws, n, k, end - 14.0 * o.value(UpDown::RecentDrawsCount), end,
                     o.value(UpDown::RecentDrawsMatches)))
        return false;
    int primes = isPrime(k) ? 1 : 0;
    for (int v : n)
        primes += isPrime(v) ? 1 : 0;
    return !(o.checked(CheckBox::MinimumPrimes) && primes < o.value(UpDown::MinimumPrimes));
}

} // namespace

RunRows baselineTipRun(Workspace& ws) {
    const int budget = ws.options.value(UpDown::AttemptBudget) * 1000;
    const AdjustedOptions saved(ws.options);
    const ReferenceDraws refs = readReferenceDraws(ws.program, ws.ticket, ws.drawWindow, ws.view);
    const CandidatePool pool = buildCandidatePool(ws.program, ws.options, ws.ticket, ws.drawWindow,
                                                  ws.run, ws.view, readDrawFile(ws.program), refs);
    ws.run.running = true;
    RunRows result;
    int attempts = 0;
    for (int r = 1; r <= 12; ++r) {
        Row numbers{};
        int k = 0;
        if (r == 1 || (attempts < budget && r <= ws.options.value(UpDown::RowsToCompute))) {
            bool accepted = false;
            while (!accepted && attempts < budget) {
                ++attempts;
                applyLateRunAdjustments(ws.options, attempts, budget, r);
                for (int drawn = 0; drawn < 5;) {
                    const int v = pool[ws.run.random.next(static_cast<std::uint32_t>(pool.size()))];
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
    ws.run.running = false;
    saved.restore(ws.options);
    result.attempts = attempts;
    return result;
}

RunRows sheetRows(const Workspace& ws, int attempts) {
    RunRows result;
    for (int r = 0; r < 12; ++r) {
        Row numbers{};
        for (int c = 0; c < 5; ++c)
            numbers[static_cast<std::size_t>(c)] =
                parseInteger(ws.ticket.sheet.cell(r, c)).value_or(0);
        result.rows.push_back(numbers);
    }
    result.firstKey = parseInteger(ws.ticket.sheet.cell(0, 5)).value_or(0);
    result.attempts = attempts;
    return result;
}

} // namespace kav::bench
