// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/CandidatePoolBuild.h"

#include "app/Workspace.h"
#include "generator/ReferenceDraws.h"
#include "generator/StatisticBands.h"
#include "stats/StatisticCommands.h"

#include <string>

namespace kav {
namespace {

// A run of consecutive numbers as the group statistics count it: the pool considers
// the starting numbers 1..lastStart.
struct GroupShape {
    int length;
    int lastStart;
};
constexpr GroupShape kPairs{2, 52};
constexpr GroupShape kTriples{3, 50};
constexpr GroupShape kQuads{4, 51};

using StatisticCommand = void (*)(Workspace&, const DrawSnapshot*);

// How the band bounds are shown; two passes show one blank less before "Max:".
enum class MaxSpacing { Normal, OneBlank };

class PoolBuilder {
public:
    PoolBuilder(Workspace& ws, const DrawSnapshot& draws) : ws_(ws), draws_(draws) {}

    // Runs a statistic for the pool and keeps its counts (point index 0 first).
    void compute(StatisticCommand command, std::size_t message) {
        ws_.status.panel1 = ws_.messages.line(message);
        ws_.activePage = Page::Chart;
        command(ws_, &draws_);
        counts_.clear();
        for (const ChartPoint& p : ws_.chart.points)
            counts_.push_back(p.y);
        range_ = countRangeOf(ws_.chart);
    }

    CountRange range() const { return range_; }

    void showBand(const CountBand& band, MaxSpacing spacing) {
        ws_.status.panel1 = "Min: " + std::to_string(band.lower) +
                            (spacing == MaxSpacing::OneBlank ? " Max: " : "  Max: ") +
                            std::to_string(band.upper) + "  " + std::to_string(pool.size());
    }

    // Every run X..X+length-1 whose count lies in the band.
    void appendGroups(const GroupShape& shape, const CountBand& band, MaxSpacing spacing) {
        showBand(band, spacing);
        for (int start = 1; start <= shape.lastStart; ++start)
            if (inBand(start, band))
                for (int n = start; n < start + shape.length; ++n)
                    pool.append(n);
    }

    // One walk over 1..54: each number in the band gets `copies` entries in a row.
    void appendNumbers(const CountBand& band, int copies, MaxSpacing spacing) {
        showBand(band, spacing);
        for (int n = 1; n <= 54; ++n)
            if (inBand(n, band))
                pool.append(n, copies);
    }

    CandidatePool pool;

private:
    bool inBand(int x, const CountBand& band) const {
        const auto index = static_cast<std::size_t>(x - 1);
        return index < counts_.size() && band.contains(counts_[index]);
    }

    Workspace& ws_;
    const DrawSnapshot& draws_;
    std::vector<int> counts_;
    CountRange range_;
};

// Steps 2 to 5: a group statistic, computed once for its frequent and its rare pass.
void appendGroupStep(PoolBuilder& builder, const GroupShape& shape, StatisticCommand command,
                     std::size_t message, bool frequent, bool rare, MaxSpacing rareSpacing) {
    if (!frequent && !rare)
        return;
    builder.compute(command, message);
    if (frequent)
        builder.appendGroups(shape, frequentGroupBand(builder.range()), MaxSpacing::Normal);
    if (rare)
        builder.appendGroups(shape, rareGroupBand(builder.range()), rareSpacing);
}

} // namespace

CandidatePool buildCandidatePool(Workspace& ws, const DrawSnapshot& draws,
                                 const ReferenceDraws& references) {
    const Options& o = ws.options;
    PoolBuilder builder(ws, draws);

    appendGroupStep(builder, kPairs, Button2Click, msg::ComputingPairs, o.checkBox(1),
                    o.checkBox(11), MaxSpacing::Normal);
    appendGroupStep(builder, kTriples, Button3Click, msg::ComputingTriples, o.checkBox(6),
                    o.checkBox(12), MaxSpacing::Normal);
    appendGroupStep(builder, kQuads, Button4Click, msg::ComputingQuads, o.checkBox(7),
                    o.checkBox(13), MaxSpacing::OneBlank);

    // Frequent and rare numbers share one number distribution.
    if (o.checkBox(2) || o.checkBox(14))
        builder.compute(SpeedButton2Click, msg::ComputingDistribution);
    if (o.checkBox(2)) {
        const int p = o.upDown(12);
        builder.appendNumbers(topNumberBand(builder.range(), p, 1), 2, MaxSpacing::Normal);
        builder.appendNumbers(topNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }
    if (o.checkBox(14)) {
        const int p = o.upDown(14);
        builder.appendNumbers(bottomNumberBand(builder.range(), p, 1), 2, MaxSpacing::Normal);
        builder.appendNumbers(bottomNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }
    if (o.checkBox(10)) {
        builder.compute(Button5Click, msg::ComputingOverdue);
        const int p = o.upDown(13);
        builder.appendNumbers(topNumberBand(builder.range(), p, 1), 2, MaxSpacing::OneBlank);
        builder.appendNumbers(topNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }

    CandidatePool& pool = builder.pool;
    if (o.checkBox(19)) {
        ws.status.panel1 = ws.messages.line(msg::ComputingNeighbours);
        for (int v : references.last.numbers) {
            // A damaged or missing last draw has no neighbours.
            if (!isDrawableNumber(v))
                continue;
            if (v > 1)
                pool.append(v - 1, 4);
            if (v < 54)
                pool.append(v + 1, 4);
        }
    }
    if (!o.checkBox(15))
        for (int n = 1; n <= 54; ++n)
            pool.append(n);

    // A draw limit of 0 keeps that draw's numbers out of the pool altogether.
    if (o.checkBox(4) && o.upDown(4) == 0)
        pool.markAllOf(references.last.numbers);
    if (o.checkBox(5) && o.upDown(5) == 0)
        pool.markAllOf(references.secondLast.numbers);
    if (o.checkBox(23) && o.upDown(11) == 0)
        pool.markAllOf(references.thirdLast.numbers);
    if (o.checkBox(29))
        pool.markBelow(13);
    if (o.checkBox(30))
        for (int n = 1; n <= 31; ++n)
            pool.markFirstOf(n);
    pool.closeUp();
    return std::move(builder.pool);
}

} // namespace kav
