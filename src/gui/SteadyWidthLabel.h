// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

namespace kav::gui {

// A label as wide as the widest of its sample texts in its current font, so the controls
// beside it stay where they are whatever it shows, at every size of the font. A text wider
// than every sample (a damaged draw record) still shows whole.
class SteadyWidthLabel final : public QLabel {
    Q_OBJECT
public:
    explicit SteadyWidthLabel(QStringList samples = {}, QWidget* parent = nullptr);

    void setSamples(QStringList samples);
    const QStringList& samples() const { return samples_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QStringList samples_;
};

} // namespace kav::gui
