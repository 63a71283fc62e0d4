// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NumberBoxes.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace kav {

// What both callers of the number list dialog `TForm6` give it besides their own data.
struct NumberListSetup {
    std::string randomIdleText;      // message 52 "Zufall"
    std::string randomRunningSuffix; // message 53 "Stopp"
    // Where the save and load list buttons start, and the name the save proposes.
    std::filesystem::path listFolder;
    std::string proposedListName;
    int numberCount = kListNumbers; // N: the boxes save, load and the animation work on
};

// A generator run with "Liste für Zahlenreihengenerierung anzeigen / bearbeiten" on: the
// dialog shows the pool (box k checked exactly when k has an entry, its weight the count).
struct PoolListQuestion {
    std::array<int, 55> weights{}; // weight of number k at index k
    NumberListSetup setup;
};

enum class PoolListAnswer {
    Calculate, // "&Rechnen": the pool is rebuilt from `boxes`
    Keep,      // OK: the pool stays as built
    Abandon,   // Abort or closing the dialog: the run ends at once
};

struct PoolListChoice {
    PoolListAnswer answer = PoolListAnswer::Keep;
    NumberBoxes boxes; // the dialog's boxes when the answer is Calculate
};

// The row editor (`Tipp1Edit`..`Tipp12Edit`): the dialog shows the row's numbers checked
// and yellow, hides "&Rechnen", shows "&Zufall" with `pickCount` picks; whatever the
// user ends it with, it then shows "&Rechnen" again, hides "&Zufall", paints every box in
// the tooltip colour and takes `captionAfterwards`.
struct TipRowQuestion {
    std::string caption;           // "3." and message 51 "Tipp bearbeiten"
    std::string captionAfterwards; // message 50 "Zahlen für Berechnung wählen"
    std::vector<int> marked;       // the row's numbers up to its first empty cell
    int pickCount = 5;
    NumberListSetup setup;
};

} // namespace kav
