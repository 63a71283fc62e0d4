// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

#include <QDateEdit>

namespace kav::gui {

// A date picker bound to a Workspace picker: it refuses dates before the picker's minimum
// and reports the user's changes; `show` updates it without reporting.
class DatePickerEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePickerEdit(const QString& objectName, QWidget* parent = nullptr);
    void show(const DatePicker& picker);

signals:
    void pickedByUser(kav::DayCount date);
};

} // namespace kav::gui
