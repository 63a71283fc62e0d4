// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Interaction.h"
#include "app/Options.h"
#include "base/DayCount.h"
#include "base/MessageTable.h"
#include "draws/CurrentDraw.h"
#include "draws/DrawFile.h"
#include "evaluation/AnalysisRun.h"
#include "evaluation/RowComparison.h"
#include "generator/Random.h"
#include "generator/TipSheet.h"
#include "stats/Chart.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace kav {

// The five pages of the main window, in tab order.
enum class Page { TipOverview = 0, Calculation = 1, Chart = 2, Database = 3, InternetOptions = 4 };

// A date picker with a minimum date; an earlier date is refused and the value stays.
struct DatePicker {
    DayCount value = kMinimumPickerDate;
    DayCount minimum = kMinimumPickerDate;

    bool set(DayCount date) {
        if (date < minimum)
            return false;
        value = date;
        return true;
    }
};

struct StatusBar {
    std::string panel0; // state of the update and the analyses (150 px)
    std::string panel1; // hints, disclaimer, progress texts
};

// The state the window shows and every command works on. Both front ends build one and
// run the same core commands over it; the window binds each widget to its entry here.
class Workspace {
public:
    Workspace(std::filesystem::path programFolder, Interaction& ui);

    DrawFile drawFile() const { return DrawFile(programFolder); }
    // The full scan of the draw file for one command. Tells the user once per run of
    // the program when the file holds damaged records (they are kept in the snapshot
    // and skipped by every reader). Throws IoError.
    DrawSnapshot readDraws();

    DayCount today() const { return todayProvider ? todayProvider() : kMinimumPickerDate; }

    std::filesystem::path programFolder;
    Interaction& ui;

    MessageTable messages;
    Options options;
    TipSheet sheet;

    CurrentDraw current;
    RowComparison comparison;
    HitClassTable hitClasses{};

    DatePicker endPicker;   // `DateTimePicker1`, "Datenbank" page: end date of the window
    DatePicker startPicker; // `DateTimePicker2`, "Diagramm" page: start date of the window
    // The main window's start-date and end-date fields, which the statistics store.
    double windowStart = kMinimumPickerDate;
    double windowEnd = kMinimumPickerDate;

    std::string drawCaption;     // current draw on the "Datenbank" page
    std::string tipDrawCaption;  // its copy on the "Tipp-Übersicht" page
    std::string crossSumCaption; // "Quersumme: " and the sum, beside the copy

    Chart chart; // `Series2` of `Chart1`
    StatusBar status;
    Page activePage = Page::TipOverview;

    bool evaluationSwitch = false;                      // gates the sheet evaluation
    bool running = false;                               // a generator run is computing rows
    std::string startButtonCaption = "Tipps berechnen"; // `BitBtn4`
    std::string idleCaption;                            // taken from `BitBtn4`

    // Window size as stored in the settings (0: the designed size) and the language number.
    int windowWidth = 0;
    int windowHeight = 0;
    int languageNumber = 0;

    Random random;
    std::string soundFileName = "yippee.wav";
    // Short day names Sunday..Saturday for draw captions ("DDD"); the front end sets the
    // system language's names.
    std::array<std::string, 7> shortDayNames{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

    std::function<DayCount()> todayProvider;
    // The internet update, as the front end wires it to its HTTP client (the first
    // start and the rebuild run it).
    std::function<void(Workspace&)> internetUpdate;
    // While the update runs: its commands do not start it again and the draw file's
    // other writers refuse. A click on the stop button hides it, which ends the update
    // before its next request. The service's last answer stays until the next request.
    bool updateRunning = false;
    bool updateStopShown = false;
    std::string responseBuffer;

    // The historical analysis in progress: the window's stop button and progress bar.
    AnalysisRun analysis;
    // While a command that never writes the draw file holds its snapshot (see
    // HeldDrawSnapshot), readDraws() hands out that snapshot instead of reading the file.
    const DrawSnapshot* heldDraws = nullptr;

private:
    bool damagedRecordsReported_ = false;
};

} // namespace kav
