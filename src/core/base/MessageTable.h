// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kav {

// The numbered user-visible texts (UTF-8). A language's message file replaces the
// whole list; a line number beyond the end reads as an empty text.
class MessageTable {
public:
    MessageTable();

    const std::string& line(std::size_t number) const;
    std::size_t size() const { return lines_.size(); }
    void replace(std::vector<std::string> lines) { lines_ = std::move(lines); }

    static std::vector<std::string> germanLines();

private:
    std::vector<std::string> lines_;
};

// Line numbers the commands use, named so that a call site says what it shows.
namespace msg {
inline constexpr std::size_t Disclaimer = 2;
inline constexpr std::size_t NumberDistribution = 6;
inline constexpr std::size_t Draws = 7;
inline constexpr std::size_t CrossSum = 8;
inline constexpr std::size_t KeyFrequency = 9;
inline constexpr std::size_t PairsFound = 15;
inline constexpr std::size_t TriplesFound = 16;
inline constexpr std::size_t ReadDrawsFirst = 17;
inline constexpr std::size_t CrossSumDistribution = 18;
inline constexpr std::size_t QuadsFound = 19;
inline constexpr std::size_t Stop = 20;
inline constexpr std::size_t ComputingPairs = 21;
inline constexpr std::size_t ComputingTriples = 22;
inline constexpr std::size_t ComputingQuads = 23;
inline constexpr std::size_t ComputingDistribution = 24;
inline constexpr std::size_t ComputingOverdue = 25;
inline constexpr std::size_t ComputingNeighbours = 26;
inline constexpr std::size_t TipCalculationStarts = 27;
inline constexpr std::size_t Tip = 28;
inline constexpr std::size_t BudgetUsedUp = 29;
inline constexpr std::size_t TipsComputed = 30;
inline constexpr std::size_t PrintoutHeader = 32;
inline constexpr std::size_t KeyNumbers = 33;
inline constexpr std::size_t OverdueNumbers = 34;
inline constexpr std::size_t LuckyNumberCaption = 35;
inline constexpr std::size_t LuckyNumberPrompt = 36;
inline constexpr std::size_t LuckyNumber = 37;
inline constexpr std::size_t LuckyNumberSet = 38;
inline constexpr std::size_t TipDistribution = 39;
inline constexpr std::size_t ChooseNumbersCaption = 50;
inline constexpr std::size_t EditTip = 51;
inline constexpr std::size_t RandomPick = 52;
inline constexpr std::size_t RandomPickStop = 53;
inline constexpr std::size_t KeyOverdue = 54;
} // namespace msg

} // namespace kav
