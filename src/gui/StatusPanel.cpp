// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusPanel.h"

#include "PlainText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace kav::gui {

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize StatusPanel::sizeHint() const {
    return {0, QLabel::sizeHint().height()};
}

QSize StatusPanel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

bool StatusPanel::isElided() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

bool StatusPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (isElided())
            showPlainToolTip(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

} // namespace kav::gui
