// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"

class QHBoxLayout;
class QVBoxLayout;

namespace kav::gui {

class DatePickerEdit;

// "Diagramm": the chart of the last statistic, its tool bar and the start date of the
// analysis window at the right end of the tool bar.
class ChartPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit ChartPage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    DatePickerEdit* dateTimePicker2;

private:
    QHBoxLayout* toolBar_;
    QVBoxLayout* layout_;
};

} // namespace kav::gui
