// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TipSheet.h"

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace kav {
class Workspace;
}

namespace kav::gui {

class ClickableLabel;
class CommandHost;

// The twelve rows of the tip sheet: row label (a click locks or unlocks the row), five
// number cells, the key cell, the hits and sum labels and the row's editor button. Every
// change of a cell is validated at once; leaving a cell evaluates the sheet while the
// evaluation switch is on. Tab walks through the 72 cells row by row.
class TipSheetView final : public QWidget {
    Q_OBJECT
public:
    explicit TipSheetView(CommandHost& host, QWidget* parent = nullptr);

    void syncFromWorkspace();

    struct RowWidgets {
        ClickableLabel* label; // `Label28`, "1. Tipp", ...
        std::array<QLineEdit*, TipSheet::kColumns> cells;
        QLabel* hits;
        QLabel* sum;
        QToolButton* editor; // `Tipp1Edit` ...; the row editor connects it
    };
    std::array<RowWidgets, TipSheet::kRows> rows;

    QLineEdit* cell(int row, int column) const {
        return rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
    }

    static const QColor kLime;
    static const QColor kRed; // a locked row's label, a winning row's hits

    // Samples the hits and sum columns are wide enough for, at every size of the font.
    static const QString kWidestHits;
    static const QString kWidestSum;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRow(int row);
    void fitToFont();
    void cellEdited(int row, int column, const QString& text);
    // The row whose cell `widget` is, or -1.
    int rowOf(const QObject* widget) const;
    Workspace& ws();

    CommandHost& host_;
    QColor windowColour_;
    QColor windowTextColour_;
};

} // namespace kav::gui
