// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Controls.h"

#include <array>
#include <stdexcept>

namespace kav {
namespace {

constexpr const char* kDrawLimitHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
constexpr const char* kHistoryHint = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, "
                                     "beginnen mit dem Datum  aus deer Diagrammübersicht";
constexpr const char* kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";

using C = CheckBox;
constexpr std::array<CheckBoxControl, 29> kCheckBoxes{{
    {C::FrequentPairs, "Zahlen mit einer häufigen Paarebildung bevorzugen", "", false,
     "Pool: both numbers of every pair X, X+1 (X 1..52) that came in many window draws get "
     "an entry (the top 30 % of the pair counts)."},
    {C::FrequentNumbers, "Zahlen die besonders oft gezogen wurden bevorzugen", "", false,
     "Pool: the numbers drawn most often get two entries, those in the top half of that band "
     "a third (band: the top UpDown12 % of the counts)."},
    {C::MaximumOverlap, "maximale Übereinstimmungen mit anderen Tipps zulassen", "", true,
     "Rule: a row shares at most UpDown3 numbers with the earlier rows of the ticket."},
    {C::LastDrawLimit, "maximal zu verwendente Zahlen der letzten Ziehung", kDrawLimitHint, true,
     "Rule: a row holds at most UpDown4 numbers of the last draw; with 0 they are left out "
     "of the pool."},
    {C::SecondLastDrawLimit, "maximal zu verwendente Zahlen der vorletzten Ziehung", kDrawLimitHint,
     true, "Rule: at most UpDown5 numbers of the second-last draw; with 0 none is in the pool."},
    {C::FrequentTriples, "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", "", false,
     "Pool: the numbers of frequent runs X, X+1, X+2 (X 1..50) get an entry each."},
    {C::FrequentQuads, "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", "", false,
     "Pool: the numbers of frequent runs of four (X 1..51) get an entry each."},
    {C::ForcedPair, "eine Paarbildung pro Tipp erzwingen", "", false,
     "Rule: every row holds two consecutive numbers (switched off at half the budget)."},
    {C::DatabaseRule, "Tipp darf noch keinen              er aus der Datenbank entsprechen",
     kHistoryHint, true,
     "Rule: a row matches no draw after the chart's start date up to the end date UpDown6 "
     "times or more."},
    {C::OverdueNumbers, "Zahlen die am längsten überfällig sind", "", true,
     "Pool: the numbers outstanding longest get two entries, the top half of that band a "
     "third (band: the top UpDown13 % of the overdue counts)."},
    {C::RarePairs, "seltensten", "", false,
     "Pool: the numbers of pairs that came seldom (but at least once) get an entry."},
    {C::RareTriples, "seltensten", "", false,
     "Pool: the numbers of rare runs of three get an entry."},
    {C::RareQuads, "seltensten", "", false, "Pool: the numbers of rare runs of four get an entry."},
    {C::RareNumbers, "Zahlen die besonders selten gezogen wurden bevorzugen", "", true,
     "Pool: the numbers drawn least often get two entries, the lower half of that band a "
     "third (band: the bottom UpDown14 % of the counts)."},
    {C::PreferredNumbersOnly, "für den Tipp nur bevorzugte Zahlen verwenden!", "", false,
     "Pool: no number gets its one entry for free; only the preferred numbers can be drawn."},
    {C::NoRecentKeys, "kein Nº Clave aus den letzten Ziehungen verwenden", "", false,
     "Key: never the key number of the last UpDown19 draws (at most three)."},
    {C::NoRunsOfThree, "keine Dreier, Vierer... Gruppen", "", true,
     "Rule: no row holds three or more consecutive numbers."},
    {C::NeighboursOfLastDraw, "benachbarte Zahlen der letzten Ziehung bevorzugen", "", false,
     "Pool: the neighbours v-1 and v+1 of each number v of the last draw get four entries."},
    {C::ShowNumberList, "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", "", false,
     "Run: the number list dialog shows the pool before the attempts, to edit or recompute."},
    {C::MinimumPrimes, "mindest Anzahl von Primzahlen in jedem Tipp erzwingen", "", false,
     "Rule: the numbers and the key hold at least UpDown10 primes (2..47; 53 does not count)."},
    {C::ThirdLastDrawLimit, "maximal zu verwendente Zahlen der vorvorletzten Ziehung",
     kDrawLimitHint, true,
     "Rule: at most UpDown11 numbers of the third-last draw; with 0 none is in the pool."},
    {C::MinimumOverlap, "minimale Übereinstimmungen mit anderen Tipps zulassen", "", true,
     "Rule: some earlier row shares at least UpDown9 numbers with the row."},
    {C::MinimumEven, "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen", "", false,
     "Rule: a row holds at least UpDown15 even numbers."},
    {C::MinimumOdd, "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen", "", false,
     "Rule: a row holds at least UpDown16 odd numbers."},
    {C::PairwiseOverlap, "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", "",
     true, "Rule: both overlap bounds hold against every earlier row, not only the closest."},
    {C::RecentDrawsRule,
     "Tipp darf keinen              er aus den letzten              Ziehungen sein", kHistoryHint,
     true, "Rule: a row matches no draw of the last 14 x UpDown18 days UpDown17 times or more."},
    {C::AvoidMonthNumbers, "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", "",
     false, "Pool: the numbers 1..12 are left out (players of dates pick them often)."},
    {C::FewerDateNumbers,
     "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", "", false,
     "Pool: each number 1..31 loses one entry, so days of the month come up less."},
    {C::KeyCountsAsHit, "Nº Clave in Übereinstimmungsberechnung mit einbeziehen!", "", false,
     "A matching key number counts as one more match in the history rules and the search; "
     "the database rule may then ask for up to 7."},
}};

using U = UpDown;
constexpr std::array<UpDownControl, kUpDownCount> kUpDowns{{
    {U::CrossSumFrom, 37, 21, 279, 50, "", "The smallest cross sum a row may have."},
    {U::CrossSumTo, 38, 21, 239, 200, "", "The largest cross sum a row may have."},
    {U::MaximumOverlap, 39, 0, 5, 2, "", "Numbers a row may share with another row at most."},
    {U::LastDrawLimit, 40, 0, 5, 0, "", "Numbers of the last draw a row may hold."},
    {U::SecondLastDrawLimit, 41, 0, 5, 1, "", "Numbers of the second-last draw a row may hold."},
    {U::DatabaseMatches, 42, 3, 5, 5,
     "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden",
     "Matches with a window draw that reject a row (up to 7 when the key counts)."},
    {U::AttemptBudget, 55, 1, 30000, 50, "",
     "Attempts of a run in thousands, shared by all its rows."},
    {U::RowsToCompute, 80, 1, 12, 5, "", "Rows a run fills, from row 1 on."},
    {U::MinimumOverlap, 88, 0, 5, 1, "", "Numbers some earlier row must share with a row."},
    {U::MinimumPrimes, 83, 0, 6, 2, "", "Primes among a row's numbers and its key at least."},
    {U::ThirdLastDrawLimit, 84, 0, 5, 2, "", "Numbers of the third-last draw a row may hold."},
    {U::FrequentNumbersPercent, 85, 5, 75, 30, kPercentHint,
     "The band of the most frequent numbers, in % of the range of counts."},
    {U::OverdueNumbersPercent, 86, 5, 75, 30, kPercentHint,
     "The band of the longest-overdue numbers, in % of the range of counts."},
    {U::RareNumbersPercent, 87, 5, 75, 20, kPercentHint,
     "The band of the rarest numbers, in % of the range of counts."},
    {U::MinimumEven, 89, 0, 6, 2, "", "Even numbers a row holds at least."},
    {U::MinimumOdd, 90, 0, 6, 2, "", "Odd numbers a row holds at least."},
    {U::RecentDrawsMatches, 91, 2, 6, 3,
     "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen",
     "Matches with a recent draw that reject a row."},
    {U::RecentDrawsCount, 92, 4, 128, 20,
     "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen",
     "Draws the recent-draws rule looks back over, as 14 days each."},
    {U::RecentKeysCovered, 105, 1, 6, 1, "",
     "Last draws whose key numbers are not used (3 to 6 all mean three)."},
}};

constexpr RadioGroupControl kKeyMode{
    "RadioGroup1", "Nº Clave Option", 3, KeyMode::LongestOutstanding,
    "Key: a random key (0), the key drawn least often (1) or the key outstanding longest "
    "(2) in the window; ties go to the higher key."};

} // namespace

std::span<const CheckBoxControl> checkBoxControls() {
    return kCheckBoxes;
}

std::span<const UpDownControl> upDownControls() {
    return kUpDowns;
}

const RadioGroupControl& keyModeControl() {
    return kKeyMode;
}

const CheckBoxControl* checkBoxControl(int number) {
    for (const CheckBoxControl& c : kCheckBoxes)
        if (static_cast<int>(c.id) == number)
            return &c;
    return nullptr;
}

const UpDownControl* upDownControl(int number) {
    if (number < 1 || number > kUpDownCount)
        return nullptr;
    return &kUpDowns[static_cast<std::size_t>(number - 1)];
}

const CheckBoxControl& control(CheckBox id) {
    if (const CheckBoxControl* c = checkBoxControl(number(id)))
        return *c;
    throw std::out_of_range("kein Kontrollkästchen " + designName(id));
}

const UpDownControl& control(UpDown id) {
    if (const UpDownControl* c = upDownControl(number(id)))
        return *c;
    throw std::out_of_range("kein Drehfeld " + designName(id));
}

std::string designName(CheckBox id) {
    return "CheckBox" + std::to_string(number(id));
}

std::string designName(UpDown id) {
    return "UpDown" + std::to_string(number(id));
}

std::string settingName(CheckBox id) {
    return "Chekcbox" + std::to_string(number(id));
}

std::string settingName(UpDown id) {
    return designName(id);
}

} // namespace kav
