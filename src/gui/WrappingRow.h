// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>

namespace kav::gui {

// A row of controls that wraps onto a further line when the window is too narrow for them,
// as a row of buttons does whose captions a language makes longer. Items keep their size
// hints and sit left-aligned; each line is as high as its tallest item.
class WrappingRow final : public QLayout {
public:
    explicit WrappingRow(int spacing = -1);
    ~WrappingRow() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int horizontalGap() const;
    // Lays the items out in `rect` (only measures when `apply` is false); the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
};

} // namespace kav::gui
