// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kav::gui {

// A label that reports clicks (link labels, row labels, the clickable option texts).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A vertical banner beside the tip sheet: letter-spaced text drawn bottom to top.
class SideBanner : public QWidget {
    Q_OBJECT
public:
    explicit SideBanner(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
};

} // namespace kav::gui
