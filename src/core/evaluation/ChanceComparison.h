// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RowComparison.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kav {

struct Chart;

// One hit class: k matched numbers, with or without the key number, with the count the
// backtested rows got and the count uniformly random rows would get on average.
struct ChanceClass {
    int hits = 0;
    bool key = false;
    std::int64_t observed = 0;
    double expected = 0.0;
};

// A class of the chi-square test: neighbouring hit classes merged until random rows
// would reach it at least five times.
struct ChanceTestClass {
    std::string label; // "3-5", "2-5 + R", "0 (mit oder ohne R)", ...
    std::int64_t observed = 0;
    double expected = 0.0;
};

struct ChanceTest {
    std::vector<ChanceTestClass> classes;
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;
    double pValue = 1.0; // the chance of a deviation at least this large under random play
};

// How the backtested rules did against random play of the same number of rows over the
// same draws.
struct ChanceComparison {
    std::int64_t rows = 0;
    std::vector<ChanceClass> classes; // hits 0..5 without key, then hits 0..5 with key
    std::optional<ChanceTest> test;   // nullopt: too few rows for two test classes
    std::int64_t observedWinning = 0; // winning rows (2+ numbers, or none and the key)
    double expectedWinning = 0.0;
    bool significant = false;         // p below 5 %
    std::vector<std::string> verdict; // plain sentences for the player
};

// The chance that a uniformly random row of five different numbers from 1..54 matches
// exactly k numbers of a draw: C(5,k) * C(49,5-k) / C(54,5).
double numberHitProbability(int k);
// The chance that a random key number 0..9 equals the drawn one.
inline constexpr double kKeyHitProbability = 0.1;

// P(X >= statistic) for a chi-square distribution with `degreesOfFreedom` (>= 1).
double chiSquareUpperTail(double statistic, int degreesOfFreedom);

// Compares the added-up hit classes of a backtest (columns 0 and 1) with random play.
ChanceComparison compareWithChance(const HitClassTable& observed);

// The "Diagramm" page's view: per hit class the observed count beside the expected one.
Chart chanceChart(const ChanceComparison& comparison);

// A number as the program writes decimals: a comma, `decimals` places.
std::string decimalText(double value, int decimals);
// "0,043", or "< 0,001" for smaller p-values.
std::string pValueText(double p);

} // namespace kav
