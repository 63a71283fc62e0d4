// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteadyWidthLabel.h"

#include <algorithm>

namespace kav::gui {

SteadyWidthLabel::SteadyWidthLabel(QStringList samples, QWidget* parent)
    : QLabel(parent), samples_(std::move(samples)) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void SteadyWidthLabel::setSamples(QStringList samples) {
    if (samples == samples_)
        return;
    samples_ = std::move(samples);
    updateGeometry();
}

QSize SteadyWidthLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(text());
    for (const QString& sample : samples_)
        widest = std::max(widest, metrics.horizontalAdvance(sample));
    const QMargins margins = contentsMargins();
    return {widest + margins.left() + margins.right() + 2 * margin(), QLabel::sizeHint().height()};
}

QSize SteadyWidthLabel::minimumSizeHint() const {
    return sizeHint();
}

} // namespace kav::gui
