// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kav::gui {

// The main window scales its contents by scaling their font. Text follows by itself, but a
// style draws some parts at a fixed size: check box and radio button indicators, the
// arrows of spin boxes and date pickers, button icons. This style scales those parts by
// the widget's scale, the ratio of its font to its window's font, so a window twice as
// high looks like a larger version of the designed one. Widgets whose font is their
// window's (dialogs, the menu, the status bar) look exactly as the base style draws them.
class ScalingStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of `base`; nullptr: the application's default style.
    explicit ScalingStyle(QStyle* base = nullptr);

    // The widget's font pixel size over its window's, never below 1.
    static qreal scaleOf(const QWidget* widget);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;

private:
    // The scale for a call of this style, 1 while the base style draws a scaled control
    // (it asks this style back for rectangles of the unscaled control).
    qreal scaleFor(const QWidget* widget) const;

    mutable bool insideScaledControl_ = false;
};

// Makes a ScalingStyle over the current style the application's style, once.
void installScalingStyle();

} // namespace kav::gui
