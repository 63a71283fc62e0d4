// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/RandomAnimation.h"
#include "model/Interaction.h"

#include <QColor>
#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QPushButton;
class QTimer;
class QToolButton;

namespace kav::gui {

// The number list dialog `TForm6` of module Zahlenwahl, created once at start-up and shown
// modally, centred on the main window. Its 54 check boxes "1".."54" carry their weights in
// their hints; the widgets are the dialog's state between two uses (captions, weights,
// which of "&Rechnen" and "&Zufall" shows), as the two callers leave it. "&Rechnen" lies
// over OK, so while it shows OK is reached only through the Enter key.
class TForm6 final : public QDialog {
    Q_OBJECT
public:
    // Results of the dialog besides closing it (which counts as Abort).
    enum Result { ResultOk = 1, ResultAbort = 3, ResultRetry = 4 };

    // `ui` answers the file dialogs and shows errors.
    explicit TForm6(Interaction& ui, QWidget* parent = nullptr);

    // A generator run: the pool's weights, then "&Rechnen" (Retry), OK or Abort.
    PoolListChoice askForPool(const PoolListQuestion& question);
    // The row editor: the dialog's boxes when it ended with OK.
    std::optional<NumberBoxes> editRow(const TipRowQuestion& question, Random& random);

    QCheckBox* box(int number) const { return boxes_[static_cast<std::size_t>(number - 1)]; }
    // The boxes as they show now (checked, hint, colour), and showing boxes.
    NumberBoxes boxes() const;
    void showBoxes(const NumberBoxes& boxes);

    const RandomAnimation& animation() const { return animation_; }

    QPushButton* bitBtn1;      // OK
    QPushButton* bitBtn2;      // Abort
    QPushButton* bitBtn3;      // "&Rechnen", over OK
    QPushButton* bitBtn4;      // "&Zufall"
    QToolButton* speedButton1; // save list
    QToolButton* speedButton2; // load list
    QTimer* timer1;            // the random animation, 25 ms

    static const QColor kYellow;
    static QColor toolTipColour();

    void done(int result) override;

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn4Click();
    void Timer1Timer();

    void applySetup(const NumberListSetup& setup);
    void setCalculateVisible(bool visible);
    FileDialogRequest listFileRequest() const;
    int runModal();

    Interaction& ui_;
    NumberListSetup setup_;
    RandomAnimation animation_;
    Random* random_ = nullptr; // while the row editor shows the dialog
    std::array<QCheckBox*, kListNumbers> boxes_{};
};

} // namespace kav::gui
