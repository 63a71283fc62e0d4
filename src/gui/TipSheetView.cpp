// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipSheetView.h"

#include "ClickableLabels.h"
#include "CommandHost.h"
#include "LanguageComponents.h"
#include "QtConversions.h"
#include "SteadyWidthLabel.h"
#include "commands/SheetEvaluation.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace kav::gui {
namespace {

constexpr int kCellWidthInDigits = 3;

enum GridColumn {
    LabelColumn = 0,
    FirstCellColumn = 1,
    HitsColumn = 7,
    SumColumn = 8,
    EditorColumn = 9
};

QString editorHint(int row) {
    // Rows 5 to 8 carry the hint of the form editor.
    return row >= 4 && row <= 7
               ? "Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                 "Zufallsgenerator erzeugen wollen"
               : "Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen "
                 "wollen";
}

void setTextColour(QWidget* widget, const QColor& colour) {
    if (widget->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

void setBaseColour(QLineEdit* cell, const QColor& colour) {
    if (cell->palette().color(QPalette::Base) == colour)
        return;
    QPalette p = cell->palette();
    p.setColor(QPalette::Base, colour);
    cell->setPalette(p);
}

} // namespace

const QColor TipSheetView::kLime{0, 255, 0};
const QColor TipSheetView::kRed{255, 0, 0};
// The trailing blank keeps the widest hits text apart from a three-digit sum.
const QString TipSheetView::kWidestHits = QStringLiteral("5 + R ");
const QString TipSheetView::kWidestSum = QStringLiteral("270");

TipSheetView::TipSheetView(CommandHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("TipSheet");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int r = 0; r < TipSheet::kRows; ++r)
        buildRow(r);
    fitToFont();
    windowColour_ = cell(0, 0)->palette().color(QPalette::Base);
    windowTextColour_ = rows[0].label->palette().color(QPalette::WindowText);

    // Tab walks the cells row by row, then goes on to the rest of the page.
    for (int n = 1; n < TipSheet::kRows * TipSheet::kColumns; ++n)
        setTabOrder(cell((n - 1) / TipSheet::kColumns, (n - 1) % TipSheet::kColumns),
                    cell(n / TipSheet::kColumns, n % TipSheet::kColumns));
    grid->setColumnStretch(EditorColumn + 1, 1);
}

void TipSheetView::buildRow(int r) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const SheetRowNames& names = TipSheet::rowNames()[static_cast<std::size_t>(r)];
    RowWidgets& row = rows[static_cast<std::size_t>(r)];

    row.label = new ClickableLabel(QString("%1. Tipp").arg(r + 1));
    row.label->setObjectName(names.rowLabel);
    setHint(row.label, "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    connect(row.label, &ClickableLabel::clicked, this, [this, r] {
        ws().ticket.sheet.toggleLock(r);
        host_.syncFromWorkspace();
    });
    grid->addWidget(row.label, r, LabelColumn);

    for (int c = 0; c < TipSheet::kColumns; ++c) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("Edit%1").arg(TipSheet::editNumber(r, c)));
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this,
                [this, r, c](const QString& text) { cellEdited(r, c, text); });
        row.cells[static_cast<std::size_t>(c)] = edit;
        grid->addWidget(edit, r, FirstCellColumn + c);
    }

    // The hits and the sum have a column each, as wide as their widest text in the font
    // of the moment; the sums are right-aligned like the numbers.
    row.hits = new SteadyWidthLabel({kWidestHits});
    row.hits->setObjectName(names.hitsLabel);
    markProgramText(row.hits);
    grid->addWidget(row.hits, r, HitsColumn);
    row.sum = new SteadyWidthLabel({kWidestSum});
    row.sum->setObjectName(names.sumLabel);
    markProgramText(row.sum);
    row.sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(row.sum, r, SumColumn);

    row.editor = new QToolButton;
    row.editor->setObjectName(names.editorButton);
    row.editor->setText("…");
    setHint(row.editor, editorHint(r));
    row.editor->setEnabled(false); // the row editor connects and enables it
    grid->addWidget(row.editor, r, EditorColumn);
}

// The cells and the spacing follow the font, which the window scales with its height.
void TipSheetView::fitToFont() {
    const QFontMetrics metrics = fontMetrics();
    const int digitWidth = metrics.horizontalAdvance('0');
    for (RowWidgets& row : rows) {
        for (QLineEdit* edit : row.cells) {
            edit->setMinimumWidth(digitWidth * (kCellWidthInDigits + 2));
            edit->setMaximumWidth(digitWidth * (kCellWidthInDigits + 4));
        }
    }
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setHorizontalSpacing(std::max(4, metrics.horizontalAdvance(' ')));
    grid->setVerticalSpacing(std::max(2, metrics.height() / 8));
}

void TipSheetView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToFont();
}

Workspace& TipSheetView::ws() {
    return host_.workspace();
}

// Every change is validated as it happens: "5" then "4" gives "54", a third digit or a
// letter empties the whole cell.
void TipSheetView::cellEdited(int row, int column, const QString& text) {
    ws().ticket.sheet.setCell(row, column, text.toStdString());
    const QString valid = qs(ws().ticket.sheet.cell(row, column));
    if (valid != text)
        cell(row, column)->setText(valid);
}

int TipSheetView::rowOf(const QObject* widget) const {
    for (int r = 0; r < TipSheet::kRows; ++r) {
        const auto& cells = rows[static_cast<std::size_t>(r)].cells;
        if (std::find(cells.begin(), cells.end(), widget) != cells.end())
            return r;
    }
    return -1;
}

bool TipSheetView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only moving to another control leaves a cell; switching windows or opening a
        // context menu does not. The evaluation sorts the row, so it waits until the focus
        // leaves the row: otherwise the next number typed would land in a cell that now
        // holds another one. (Qt names the new focus widget before the old one loses it.)
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool staysInRow = rowOf(QApplication::focusWidget()) == rowOf(watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !staysInRow && ws().ticket.evaluationSwitch)
            host_.runCommand([this] { Komplettcheck(ws().program, ws().ticket, ws().drawWindow); });
    }
    return QWidget::eventFilter(watched, event);
}

void TipSheetView::syncFromWorkspace() {
    const TipSheet& sheet = ws().ticket.sheet;
    for (int r = 0; r < TipSheet::kRows; ++r) {
        RowWidgets& row = rows[static_cast<std::size_t>(r)];
        setTextColour(row.label, sheet.locked(r) ? kRed : windowTextColour_);
        for (int c = 0; c < TipSheet::kColumns; ++c) {
            QLineEdit* edit = cell(r, c);
            const QString text = qs(sheet.cell(r, c));
            if (edit->text() != text)
                edit->setText(text);
            setBaseColour(edit, sheet.colour(r, c) == CellColour::Lime ? kLime : windowColour_);
        }
        row.hits->setText(qs(sheet.hits(r)));
        setTextColour(row.hits, sheet.hitsRed(r) ? kRed : QColor(Qt::black));
        row.sum->setText(qs(sheet.sum(r)));
    }
}

} // namespace kav::gui
