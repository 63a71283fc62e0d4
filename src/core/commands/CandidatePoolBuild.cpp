// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/CandidatePoolBuild.h"

#include "commands/StatisticCommands.h"
#include "generator/StatisticBands.h"

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

// How the band bounds are shown; two passes show one blank less before "Max:".
enum class MaxSpacing { Normal, OneBlank };

class PoolBuilder {
public:
    PoolBuilder(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                const RunState& run, Presentation& view, const DrawSnapshot& draws)
        : program_(program), ticket_(ticket), drawWindow_(drawWindow), run_(run), view_(view),
          draws_(draws) {}

    // Runs a statistic for the pool and keeps its counts (point index 0 first).
    void compute(StatisticCommand statistic, std::size_t message) {
        view_.status.panel1 = program_.messages.line(message);
        view_.activePage = Page::Chart;
        statistic(program_, ticket_, drawWindow_, run_, view_, &draws_);
        counts_.clear();
        for (const ChartPoint& p : view_.chart.points)
            counts_.push_back(p.y);
        range_ = countRangeOf(view_.chart);
    }

    CountRange range() const { return range_; }

    void showBand(const CountBand& band, MaxSpacing spacing) {
        view_.status.panel1 = "Min: " + std::to_string(band.lower) +
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

    ProgramContext& program_;
    Ticket& ticket_;
    DrawWindow& drawWindow_;
    const RunState& run_;
    Presentation& view_;
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

CandidatePool buildCandidatePool(ProgramContext& program, const Options& o, Ticket& ticket,
                                 DrawWindow& drawWindow, const RunState& run, Presentation& view,
                                 const DrawSnapshot& draws, const ReferenceDraws& references) {
    PoolBuilder builder(program, ticket, drawWindow, run, view, draws);

    appendGroupStep(builder, kPairs, Button2Click, msg::ComputingPairs,
                    o.checked(CheckBox::FrequentPairs), o.checked(CheckBox::RarePairs),
                    MaxSpacing::Normal);
    appendGroupStep(builder, kTriples, Button3Click, msg::ComputingTriples,
                    o.checked(CheckBox::FrequentTriples), o.checked(CheckBox::RareTriples),
                    MaxSpacing::Normal);
    appendGroupStep(builder, kQuads, Button4Click, msg::ComputingQuads,
                    o.checked(CheckBox::FrequentQuads), o.checked(CheckBox::RareQuads),
                    MaxSpacing::OneBlank);

    // Frequent and rare numbers share one number distribution.
    if (o.checked(CheckBox::FrequentNumbers) || o.checked(CheckBox::RareNumbers))
        builder.compute(SpeedButton2Click, msg::ComputingDistribution);
    if (o.checked(CheckBox::FrequentNumbers)) {
        const int p = o.value(UpDown::FrequentNumbersPercent);
        builder.appendNumbers(topNumberBand(builder.range(), p, 1), 2, MaxSpacing::Normal);
        builder.appendNumbers(topNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }
    if (o.checked(CheckBox::RareNumbers)) {
        const int p = o.value(UpDown::RareNumbersPercent);
        builder.appendNumbers(bottomNumberBand(builder.range(), p, 1), 2, MaxSpacing::Normal);
        builder.appendNumbers(bottomNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }
    if (o.checked(CheckBox::OverdueNumbers)) {
        builder.compute(Button5Click, msg::ComputingOverdue);
        const int p = o.value(UpDown::OverdueNumbersPercent);
        builder.appendNumbers(topNumberBand(builder.range(), p, 1), 2, MaxSpacing::OneBlank);
        builder.appendNumbers(topNumberBand(builder.range(), p, 2), 1, MaxSpacing::Normal);
    }

    CandidatePool& pool = builder.pool;
    if (o.checked(CheckBox::NeighboursOfLastDraw)) {
        view.status.panel1 = program.messages.line(msg::ComputingNeighbours);
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
    if (!o.checked(CheckBox::PreferredNumbersOnly))
        for (int n = 1; n <= 54; ++n)
            pool.append(n);

    // A draw limit of 0 keeps that draw's numbers out of the pool altogether.
    if (o.checked(CheckBox::LastDrawLimit) && o.value(UpDown::LastDrawLimit) == 0)
        pool.markAllOf(references.last.numbers);
    if (o.checked(CheckBox::SecondLastDrawLimit) && o.value(UpDown::SecondLastDrawLimit) == 0)
        pool.markAllOf(references.secondLast.numbers);
    if (o.checked(CheckBox::ThirdLastDrawLimit) && o.value(UpDown::ThirdLastDrawLimit) == 0)
        pool.markAllOf(references.thirdLast.numbers);
    if (o.checked(CheckBox::AvoidMonthNumbers))
        pool.markBelow(13);
    if (o.checked(CheckBox::FewerDateNumbers))
        for (int n = 1; n <= 31; ++n)
            pool.markFirstOf(n);
    pool.closeUp();
    return std::move(builder.pool);
}

} // namespace kav
