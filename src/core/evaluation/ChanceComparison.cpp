// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/ChanceComparison.h"

#include "model/Chart.h"
#include "model/RowComparison.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kav {
namespace {

// A test class needs random rows to reach it at least this often on average.
constexpr double kMinimumExpected = 5.0;
constexpr double kSignificanceLevel = 0.05;

std::int64_t binomial(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i; // exact: each partial product is a binomial
    return result;
}

enum class KeyColumn { Without, With, Both };

// Hit classes k = low..high of one key column, merged.
struct Bin {
    int low = 0;
    int high = 0;
    KeyColumn key = KeyColumn::Without;
    std::int64_t observed = 0;
    double expected = 0.0;
};

std::string binLabel(const Bin& bin) {
    std::string label = std::to_string(bin.low);
    if (bin.high != bin.low)
        label += "–" + std::to_string(bin.high);
    if (bin.key == KeyColumn::With)
        label += " + R";
    else if (bin.key == KeyColumn::Both)
        label += " (mit oder ohne R)";
    return label;
}

// Walks one column from 5 matched numbers down to 0 and closes a class as soon as random
// rows would reach it five times; what is left at the bottom joins the class above it.
// A column that random rows reach less than five times in all stays one class.
std::vector<Bin> mergeColumn(const std::array<std::int64_t, 6>& observed,
                             const std::array<double, 6>& expected, KeyColumn key) {
    std::vector<Bin> bins;
    std::optional<Bin> open;
    for (int k = 5; k >= 0; --k) {
        if (!open)
            open = Bin{k, k, key, 0, 0.0};
        open->low = k;
        open->observed += observed[static_cast<std::size_t>(k)];
        open->expected += expected[static_cast<std::size_t>(k)];
        if (open->expected >= kMinimumExpected) {
            bins.push_back(*open);
            open.reset();
        }
    }
    if (open) {
        if (bins.empty()) {
            bins.push_back(*open);
        } else {
            bins.back().low = open->low;
            bins.back().observed += open->observed;
            bins.back().expected += open->expected;
        }
    }
    return bins;
}

std::vector<Bin> testBins(const ChanceComparison& c) {
    std::array<std::int64_t, 6> observed[2]{};
    std::array<double, 6> expected[2]{};
    for (const ChanceClass& cell : c.classes) {
        const auto k = static_cast<std::size_t>(cell.hits);
        observed[cell.key ? 1 : 0][k] = cell.observed;
        expected[cell.key ? 1 : 0][k] = cell.expected;
    }
    std::vector<Bin> bins = mergeColumn(observed[0], expected[0], KeyColumn::Without);
    const std::vector<Bin> withKey = mergeColumn(observed[1], expected[1], KeyColumn::With);
    bins.insert(bins.end(), withKey.begin(), withKey.end());
    const bool allLargeEnough = std::all_of(
        bins.begin(), bins.end(), [](const Bin& b) { return b.expected >= kMinimumExpected; });
    if (allLargeEnough)
        return bins;
    // Too few rows to tell the key apart: the classes by matched numbers alone.
    std::array<std::int64_t, 6> bothObserved{};
    std::array<double, 6> bothExpected{};
    for (std::size_t k = 0; k < 6; ++k) {
        bothObserved[k] = observed[0][k] + observed[1][k];
        bothExpected[k] = expected[0][k] + expected[1][k];
    }
    return mergeColumn(bothObserved, bothExpected, KeyColumn::Both);
}

std::optional<ChanceTest> chiSquareTest(const ChanceComparison& c) {
    const std::vector<Bin> bins = testBins(c);
    if (bins.size() < 2 || bins.front().expected < kMinimumExpected)
        return std::nullopt;
    ChanceTest test;
    for (const Bin& bin : bins) {
        test.classes.push_back({binLabel(bin), bin.observed, bin.expected});
        const double deviation = static_cast<double>(bin.observed) - bin.expected;
        test.chiSquare += deviation * deviation / bin.expected;
    }
    test.degreesOfFreedom = static_cast<int>(bins.size()) - 1;
    test.pValue = chiSquareUpperTail(test.chiSquare, test.degreesOfFreedom);
    return test;
}

std::vector<std::string> verdictOf(const ChanceComparison& c) {
    std::vector<std::string> verdict;
    verdict.push_back("Gewinnreihen (2 oder mehr Richtige, oder keine Richtige mit R): " +
                      std::to_string(c.observedWinning) + " von " + std::to_string(c.rows) +
                      "; zufällig gewählte Reihen hätten im Mittel " +
                      decimalText(c.expectedWinning, 2) + " erreicht.");
    if (!c.test) {
        verdict.push_back("Zu wenige Reihen für einen Vergleich mit dem Zufall: Der Test braucht "
                          "mindestens zwei Trefferklassen, die zufällige Reihen im Mittel "
                          "wenigstens fünfmal erreichen.");
        return verdict;
    }
    const std::string p = "p = " + pValueText(c.test->pValue);
    if (!c.significant) {
        verdict.push_back("Kein messbarer Unterschied zum Zufall (" + p +
                          "): Die eingestellten Regeln haben in diesen Ziehungen nicht anders "
                          "getroffen als zufällig gewählte Reihen.");
        verdict.push_back("Das ist zu erwarten: Bei jeder Ziehung hat jede Reihe dieselbe "
                          "Gewinnchance, welche Regeln sie auch erfüllt.");
    } else {
        std::string direction = ".";
        if (static_cast<double>(c.observedWinning) > c.expectedWinning)
            direction = ", mit mehr Gewinnreihen als bei zufälligem Spiel.";
        else if (static_cast<double>(c.observedWinning) < c.expectedWinning)
            direction = ", mit weniger Gewinnreihen als bei zufälligem Spiel.";
        verdict.push_back("Die Trefferverteilung weicht vom Zufall ab (" + p + ")" + direction);
        const std::string share = c.test->pValue < 0.001
                                      ? "weniger als 0,1 %"
                                      : decimalText(c.test->pValue * 100.0, 1) + " %";
        verdict.push_back("Auch rein zufällig gewählte Reihen weichen in " + share +
                          " solcher Rückblicke mindestens so stark ab; für künftige Ziehungen "
                          "folgt daraus nichts.");
    }
    verdict.push_back("Hinweis: Alle Reihen eines Tipps teilen die Ziehung und die Nº Clave. "
                      "Der Test behandelt sie als unabhängig, kleine p-Werte überzeichnen eine "
                      "Abweichung daher eher.");
    return verdict;
}

} // namespace

double numberHitProbability(int k) {
    return static_cast<double>(binomial(5, k) * binomial(49, 5 - k)) /
           static_cast<double>(binomial(54, 5));
}

double chiSquareUpperTail(double statistic, int degreesOfFreedom) {
    const boost::math::chi_squared_distribution<double> distribution(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(distribution, std::max(statistic, 0.0)));
}

ChanceComparison compareWithChance(const HitClassTable& observed) {
    ChanceComparison c;
    for (const auto& counters : observed)
        c.rows += static_cast<std::int64_t>(counters[0]) + counters[1];
    const auto rows = static_cast<double>(c.rows);
    for (const bool key : {false, true}) {
        for (int k = 0; k <= 5; ++k) {
            const double keyShare = key ? kKeyHitProbability : 1.0 - kKeyHitProbability;
            ChanceClass cell{k, key, observed[static_cast<std::size_t>(k)][key ? 1 : 0],
                             rows * numberHitProbability(k) * keyShare};
            if (isWinningRow(k, key)) {
                c.observedWinning += cell.observed;
                c.expectedWinning += cell.expected;
            }
            c.classes.push_back(cell);
        }
    }
    c.test = chiSquareTest(c);
    c.significant = c.test && c.test->pValue < kSignificanceLevel;
    c.verdict = verdictOf(c);
    return c;
}

Chart chanceChart(const ChanceComparison& comparison) {
    Chart chart;
    chart.pointsName = "Rückschau (beobachtet)";
    chart.secondBarsName = "zufällige Reihen (erwartet)";
    double highest = 0.0;
    for (std::size_t i = 0; i < comparison.classes.size(); ++i) {
        const ChanceClass& cell = comparison.classes[i];
        const auto observed = static_cast<int>(
            std::min<std::int64_t>(cell.observed, std::numeric_limits<int>::max()));
        chart.points.push_back({static_cast<int>(i), observed, std::nullopt});
        chart.secondBars.push_back(cell.expected);
        chart.xLabels.push_back(std::to_string(cell.hits) + (cell.key ? " + R" : ""));
        highest = std::max({highest, static_cast<double>(observed), cell.expected});
    }
    chart.axisAutomatic = true;
    chart.axisMinimum = 0;
    chart.axisMaximum = static_cast<int>(std::ceil(highest));
    chart.caption = "Richtige der " + std::to_string(comparison.rows) +
                    " Reihen der Rückschau neben zufällig gewählten Reihen" +
                    (comparison.test ? ", p = " + pValueText(comparison.test->pValue) : "");
    return chart;
}

std::string decimalText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string pValueText(double p) {
    return p < 0.001 ? "< 0,001" : decimalText(p, 3);
}

} // namespace kav
