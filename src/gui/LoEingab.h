// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawRecord.h"

#include <QDialog>
#include <array>
#include <optional>

class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kav::gui {

// The draw entry dialog `TForm3` of module LoEingab: the date of a draw, its five numbers
// (1..54) and its key number (0..9). A typed value that is no whole number of the field's
// range is not taken; the field keeps its last valid value. While a number stands in two
// fields, OK is disabled and a line under the fields says which number it is.
class TForm3 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    void preset(const DrawRecord& draw);
    // The draw as the fields show it, numbers in field order.
    DrawRecord entered() const;

    QDateEdit* dateTimePicker1;
    std::array<QSpinBox*, kNumbersPerDraw> numberFields; // `SpinEdit1`..`SpinEdit5`
    QSpinBox* keyField;                                  // `SpinEdit6`, label "S:"
    QPushButton* okButton;                               // `BitBtn1`
    QPushButton* abortButton;                            // `BitBtn2`
    QLabel* repeatedNumberLabel;

private:
    void checkNumbers();
};

// Shows a new `TForm3` preset with `draw` modally and destroys it again; the entered
// draw when the user pressed OK.
std::optional<DrawRecord> runDrawEntry(QWidget* parent, const DrawRecord& draw);

} // namespace kav::gui
