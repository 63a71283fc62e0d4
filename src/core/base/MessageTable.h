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
inline constexpr std::size_t RebuildFrom = 3;     // "Wollen Sie wirklich alle Ziehungsdaten ..."
inline constexpr std::size_t RebuildQuestion = 4; // " aus dem Internet neu aufbauen??"
inline constexpr std::size_t RebuildCaption = 5;  // "Ziehungsdaten löschen?"
inline constexpr std::size_t NumberDistribution = 6;
inline constexpr std::size_t Draws = 7; // "Ziehungen : "
inline constexpr std::size_t CrossSum = 8;
inline constexpr std::size_t KeyFrequency = 9;
inline constexpr std::size_t SearchThresholdCaption = 10; // "Bei wievielen Zahlen ... stoppen?"
inline constexpr std::size_t SearchThresholdPrompt = 11;  // "Tipp-Test"
inline constexpr std::size_t SearchHitAt = 12;            // "Ein Treffer am  "
inline constexpr std::size_t SearchFoundGoOn = 13;        // " gefunden. Weiter?"
inline constexpr std::size_t SearchDrawFound = 14;        // "Ziehung gefunden"
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
inline constexpr std::size_t KeyNumbers = 33; // "Sterne"
inline constexpr std::size_t OverdueNumbers = 34;
inline constexpr std::size_t LuckyNumberCaption = 35;
inline constexpr std::size_t LuckyNumberPrompt = 36;
inline constexpr std::size_t LuckyNumber = 37;
inline constexpr std::size_t LuckyNumberSet = 38;
inline constexpr std::size_t TipDistribution = 39;
inline constexpr std::size_t BacktestAskFrom = 40;    // "Soll die Analyse der Einstellungen ..."
inline constexpr std::size_t BacktestAskRun = 41;     // "durchgeführt werden??"
inline constexpr std::size_t BacktestAskCaption = 42; // "aktuellen Tipps werden dabei gelöscht?"
inline constexpr std::size_t BacktestBrought = 43;    // "Aktuelle Einstellung brachten"
inline constexpr std::size_t WithoutKey = 44;         // "Anzahl ohne Sterne"
inline constexpr std::size_t Rows = 45;               // "Reihen"
inline constexpr std::size_t LuckyNumberError = 46;   // "Fehler bei Eingabe der Zufallszahl"
inline constexpr std::size_t ChooseNumbersCaption = 50;
inline constexpr std::size_t EditTip = 51;
inline constexpr std::size_t RandomPick = 52;
inline constexpr std::size_t RandomPickStop = 53;
inline constexpr std::size_t KeyOverdue = 54;
inline constexpr std::size_t HistoryAskFrom = 55;    // "Soll die Analyse der Datenbank ..."
inline constexpr std::size_t HistoryAskRun = 56;     // "durchgeführt werden??"
inline constexpr std::size_t HistoryAskCaption = 57; // "aktuellen Tipps werden ... gelöscht?"
inline constexpr std::size_t HistoryThresholdCaption = 58; // "Bei wievielen Zahlen ... stoppen?"
inline constexpr std::size_t HistoryThresholdPrompt = 59;  // "Ziehungsergebnis vergleichen"
inline constexpr std::size_t HistoryHitFoundAt = 60;       // "Ein Treffer gefunden am"
inline constexpr std::size_t HistoryGoOn = 61;             // "Weiter?"
inline constexpr std::size_t HistoryDrawFound = 62;        // "Ziehung gefunden"
inline constexpr std::size_t HistoryEarlierDraws = 63;     // "Treffer von Ziehungen in der ..."
inline constexpr std::size_t HistoryNextDraw = 64;         // "Wie oft gab es bei der nächsten ..."
} // namespace msg

} // namespace kav
