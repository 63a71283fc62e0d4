// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

namespace kav {

// The catalogue of the option controls: every check box, spin field and the radio group
// of the "Berechnung" pages and the tip page, with what it means. The enum values are the
// design numbers (`CheckBox14` is CheckBox::RareNumbers), which name the control in the
// settings store ("Chekcbox14", "UpDown7"), in the language files and in the window, so
// they never change. The settings load and save, `kavanto-cli --set`, the options and the
// pages all read these tables.

// `CheckBoxN`. Numbers 17 and 21 were never used.
enum class CheckBox {
    FrequentPairs = 1,
    FrequentNumbers = 2,
    MaximumOverlap = 3,
    LastDrawLimit = 4,
    SecondLastDrawLimit = 5,
    FrequentTriples = 6,
    FrequentQuads = 7,
    ForcedPair = 8,
    DatabaseRule = 9,
    OverdueNumbers = 10,
    RarePairs = 11,
    RareTriples = 12,
    RareQuads = 13,
    RareNumbers = 14,
    PreferredNumbersOnly = 15,
    NoRecentKeys = 16,
    NoRunsOfThree = 18,
    NeighboursOfLastDraw = 19,
    ShowNumberList = 20,
    MinimumPrimes = 22,
    ThirdLastDrawLimit = 23,
    MinimumOverlap = 24,
    MinimumEven = 25,
    MinimumOdd = 26,
    PairwiseOverlap = 27,
    RecentDrawsRule = 28,
    AvoidMonthNumbers = 29,
    FewerDateNumbers = 30,
    KeyCountsAsHit = 31,

};

// `UpDownN`, the spin button beside its number field `EditM`.
enum class UpDown {
    CrossSumFrom = 1,
    CrossSumTo = 2,
    MaximumOverlap = 3,
    LastDrawLimit = 4,
    SecondLastDrawLimit = 5,
    DatabaseMatches = 6,
    AttemptBudget = 7, // in thousands of attempts
    RowsToCompute = 8,
    MinimumOverlap = 9,
    MinimumPrimes = 10,
    ThirdLastDrawLimit = 11,
    FrequentNumbersPercent = 12,
    OverdueNumbersPercent = 13,
    RareNumbersPercent = 14,
    MinimumEven = 15,
    MinimumOdd = 16,
    RecentDrawsMatches = 17,
    RecentDrawsCount = 18,
    RecentKeysCovered = 19,
};

// The items of `RadioGroup1`: how an attempt's key number is chosen.
enum class KeyMode {
    Random = 0,             // the random generator's value for the bound 10
    Rarest = 1,             // the key drawn least often in the window
    LongestOutstanding = 2, // the key outstanding longest
};

inline constexpr int kCheckBoxCount = 31; // the highest check box number
inline constexpr int kUpDownCount = 19;

struct CheckBoxControl {
    CheckBox id;
    const char* caption; // the German design caption ("" where the window shows none)
    const char* hint;    // the German design hint
    bool checkedByDefault;
    const char* meaning; // what it does, in plain words
};

struct UpDownControl {
    UpDown id;
    int editNumber; // the number field `EditM` that shows the position
    int minimum;
    int maximum;
    int defaultPosition;
    const char* hint;
    const char* meaning;
};

struct RadioGroupControl {
    const char* name;    // "RadioGroup1", also its settings value name
    const char* caption; // "Nº Clave Option"
    int itemCount;       // the design items (the language's option file may differ)
    KeyMode defaultItem;
    const char* meaning;
};

// The controls in design-number order.
std::span<const CheckBoxControl> checkBoxControls();
std::span<const UpDownControl> upDownControls();
const RadioGroupControl& keyModeControl();

const CheckBoxControl& control(CheckBox id);
const UpDownControl& control(UpDown id);

// The check box or spin button of a design number; nullptr for a number that names none.
const CheckBoxControl* checkBoxControl(int number);
const UpDownControl* upDownControl(int number);

inline int number(CheckBox id) {
    return static_cast<int>(id);
}
inline int number(UpDown id) {
    return static_cast<int>(id);
}

// "CheckBox14", "UpDown7": the design name, the language files' key and the widget's name.
std::string designName(CheckBox id);
std::string designName(UpDown id);
// "Chekcbox14" (the store spells it so), "UpDown7": the settings value name.
std::string settingName(CheckBox id);
std::string settingName(UpDown id);

} // namespace kav
