// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingRow.h"

#include <algorithm>

namespace kav::gui {

WrappingRow::WrappingRow(int spacing) {
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

WrappingRow::~WrappingRow() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void WrappingRow::addItem(QLayoutItem* item) {
    items_.append(item);
}

int WrappingRow::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* WrappingRow::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* WrappingRow::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations WrappingRow::expandingDirections() const {
    return {};
}

bool WrappingRow::hasHeightForWidth() const {
    return true;
}

int WrappingRow::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

// As narrow as the widest item, and as high as one line of the items.
QSize WrappingRow::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

// All items on one line.
QSize WrappingRow::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? horizontalGap() : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void WrappingRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingRow::horizontalGap() const {
    // Without a spacing of its own the row takes its parent layout's or its widget's style's;
    // a style that names none (-1) gets the usual six pixels.
    constexpr int kUsualSpacing = 6;
    const int styled = spacing();
    return styled >= 0 ? styled : kUsualSpacing;
}

int WrappingRow::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, horizontalGap());
    int y = area.y();
    QList<QLayoutItem*> line;
    int lineWidth = 0;
    int lineHeight = 0;
    // Places the items of a full line, each centred in the line's height like a row of
    // buttons in a box layout.
    const auto endLine = [&] {
        int x = area.x();
        for (QLayoutItem* item : line) {
            const QSize size = item->sizeHint();
            if (apply)
                item->setGeometry(QRect(QPoint(x, y + (lineHeight - size.height()) / 2), size));
            x += size.width() + gap;
        }
        if (!line.isEmpty())
            y += lineHeight + gap;
        line.clear();
        lineWidth = 0;
        lineHeight = 0;
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (!line.isEmpty() && lineWidth + gap + size.width() > area.width())
            endLine();
        lineWidth += (line.isEmpty() ? 0 : gap) + size.width();
        lineHeight = std::max(lineHeight, size.height());
        line.append(item);
    }
    endLine();
    const int used = y > area.y() ? y - gap - area.y() : 0;
    const QMargins m = contentsMargins();
    return used + m.top() + m.bottom();
}

} // namespace kav::gui
