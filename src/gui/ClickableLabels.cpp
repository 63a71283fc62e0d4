// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickableLabels.h"

#include <QMouseEvent>
#include <QPainter>

namespace kav::gui {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

SideBanner::SideBanner(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

QSize SideBanner::sizeHint() const {
    return {fontMetrics().height() + 8, 200};
}

void SideBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text_);
}

void SideBanner::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace kav::gui
