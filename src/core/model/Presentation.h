// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Chart.h"

#include <array>
#include <string>

namespace kav {

// The five pages of the main window, in tab order.
enum class Page { TipOverview = 0, Calculation = 1, Chart = 2, Database = 3, InternetOptions = 4 };

struct StatusBar {
    std::string panel0; // state of the update and the analyses (150 px)
    std::string panel1; // hints, disclaimer, progress texts
};

// What the window shows besides the sheet and the options: the chart, the captions, the
// status bar, the page in front and the start button's caption.
struct Presentation {
    Chart chart; // `Series2` of `Chart1`
    StatusBar status;
    Page activePage = Page::TipOverview;

    std::string drawCaption;     // current draw on the "Datenbank" page
    std::string tipDrawCaption;  // its copy on the "Tipp-Übersicht" page
    std::string crossSumCaption; // "Quersumme: " and the sum, beside the copy

    std::string startButtonCaption = "Tipps berechnen"; // `BitBtn4`
    std::string idleCaption;                            // taken from `BitBtn4`

    // Short day names Sunday..Saturday for draw captions ("DDD").
    std::array<std::string, 7> shortDayNames{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
};

} // namespace kav
