// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

namespace kav::gui {

// A caption (a check box or a label) whose text leaves gaps of blanks for number fields,
// as in "Tipp darf noch keinen              er aus der Datenbank entsprechen": the
// fields are laid over the gaps in order, wherever a language puts them.
class CaptionFields final : public QWidget {
    Q_OBJECT
public:
    CaptionFields(QWidget* caption, std::vector<QWidget*> fields, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Places the fields over the gaps of the caption's current text.
    void placeFields();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString captionText() const;
    int textLeft() const;

    QWidget* caption_;
    std::vector<QWidget*> fields_;
};

} // namespace kav::gui
