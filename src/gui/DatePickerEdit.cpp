// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatePickerEdit.h"

#include "QtConversions.h"

#include <QSignalBlocker>

namespace kav::gui {

DatePickerEdit::DatePickerEdit(const QString& objectName, QWidget* parent) : QDateEdit(parent) {
    setObjectName(objectName);
    setCalendarPopup(true);
    setDisplayFormat("dd.MM.yyyy");
    setMinimumDate(toQDate(kMinimumPickerDate));
    connect(this, &QDateEdit::dateChanged, this,
            [this](const QDate& date) { emit pickedByUser(fromQDate(date)); });
}

void DatePickerEdit::show(const DatePicker& picker) {
    const QSignalBlocker blocker(this);
    setMinimumDate(toQDate(picker.minimum));
    if (date() != toQDate(picker.value))
        setDate(toQDate(picker.value));
}

} // namespace kav::gui
