// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kav::gui {

// A panel of the status bar that shows one line of plain text and never widens the window:
// a text longer than the panel is cut off with "…", and the panel's tooltip then shows it
// whole. text() is always the whole text.
class StatusPanel final : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Whether the text is wider than the panel.
    bool isElided() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kav::gui
