// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"

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
    QToolButton* speedButton6; // previous draw
    QLabel* tipDrawCaption;
    QToolButton* speedButton7; // next draw
    QLabel* crossSumLabel;
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
};

} // namespace kav::gui
