// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SteadyWidthLabel.h"
#include "WorkspacePage.h"

#include <array>
#include <string>

class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace kav::gui {

class SideBanner;
class TipSheetView;

// "Tipp-Übersicht": the tip sheet with its buttons, the top strip with the current draw
// and the previous/next buttons, the bottom strip with the generator's start button and
// the rows-to-compute setting, and the two side banners.
class TipOverviewPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit TipOverviewPage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    // Top strip.
    QToolButton* speedButton6;        // previous draw
    SteadyWidthLabel* tipDrawCaption; // as wide as the widest caption: the buttons stay put
    QToolButton* speedButton7;        // next draw
    SteadyWidthLabel* crossSumLabel;
    QToolButton* updateButton;
    TipSheetView* sheet; // the twelve rows
    // Bottom strip.
    QPushButton* bitBtn4;       // "Tipps berechnen"
    QSpinBox* upDown8;          // rows to compute, number field `Edit80`
    QToolButton* speedButton13; // lucky number
    QToolButton* speedButton11; // clear all tips
    QToolButton* speedButton15; // save tip file
    QToolButton* speedButton16; // load tip file
    QToolButton* speedButton4;  // search the sheet in the draw database
    QPushButton* button6;       // tip distribution
    QPushButton* bitBtn7;       // printout
    QPushButton* previewButton; // "Druckvorschau…" (Ctrl+P)
    QPushButton* submitButton;  // "Tipp ab&geben"
    SideBanner* leftBanner;
    SideBanner* rightBanner;

private:
    void updateCaptionSamples();

    std::array<std::string, 7> sampledDayNames_;
    std::string sampledCrossSumText_;
};

} // namespace kav::gui
