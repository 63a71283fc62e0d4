// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/CurrentDraw.h"

namespace kav {

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

// The draw on display and the dates that bound what the statistics and evaluations take.
struct DrawWindow {
    CurrentDraw current;
    DatePicker endPicker;   // `DateTimePicker1`, "Datenbank" page: end date of the window
    DatePicker startPicker; // `DateTimePicker2`, "Diagramm" page: start date of the window
    // The main window's start-date and end-date fields, which the statistics store.
    double windowStart = kMinimumPickerDate;
    double windowEnd = kMinimumPickerDate;
};

} // namespace kav
