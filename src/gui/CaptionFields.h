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
    // Where the caption's text leaves each gap, in this widget's coordinates (from the left
    // end of the gap's blanks to their right end); a field the text has no gap for follows
    // it instead.
    std::vector<QRect> gapRects() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString captionText() const;
    int textLeft() const;

    QWidget* caption_;
    std::vector<QWidget*> fields_;
    QString placedText_; // the caption the fields were last placed for
};

} // namespace kav::gui
