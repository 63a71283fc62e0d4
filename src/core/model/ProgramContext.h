// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "base/MessageTable.h"
#include "model/Interaction.h"

#include <filesystem>
#include <functional>
#include <string>

namespace kav {

// Where and with whom the commands work: the program folder with the draw file, the
// person in front of the program, the texts of the chosen language, today.
struct ProgramContext {
    ProgramContext(std::filesystem::path programFolder, Interaction& interaction)
        : folder(std::move(programFolder)), ui(interaction) {}

    DayCount today() const { return todayProvider ? todayProvider() : kMinimumPickerDate; }

    std::filesystem::path folder;
    Interaction& ui;
    MessageTable messages;
    std::function<DayCount()> todayProvider;
    std::string soundFileName = "yippee.wav";
    // The internet update, as the front end wires it to its HTTP client (the first
    // start and the rebuild run it).
    std::function<void()> internetUpdate;
    // The user hears once per run of the program that the draw file holds damaged records,
    // and that its dates are out of order or end in a date that is no draw date.
    bool damagedRecordsReported = false;
    bool drawDatesReported = false;
};

} // namespace kav
