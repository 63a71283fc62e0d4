// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPage.h"

#include "DatePickerEdit.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kav::gui {

ChartPage::ChartPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    dateTimePicker2 = new DatePickerEdit("DateTimePicker2");
    toolBar_ = new QHBoxLayout;
    toolBar_->addStretch(1);
    toolBar_->addWidget(dateTimePicker2);
    layout_ = new QVBoxLayout(this);
    layout_->addLayout(toolBar_);
    layout_->addStretch(1);
    connect(dateTimePicker2, &DatePickerEdit::pickedByUser, this,
            [this](DayCount date) { ws().startPicker.set(date); });
}

void ChartPage::syncFromWorkspace() { dateTimePicker2->show(ws().startPicker); }

} // namespace kav::gui
