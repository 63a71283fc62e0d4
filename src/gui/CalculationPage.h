// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"
#include "model/Controls.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace kav::gui {

class CaptionFields;
class ClickableLabel;

// "Berechnung": the generator's options on an inner page control with the pages
// "Statistisch", "Schein Optimierung", "Mathematisch", "Nº Clave" and "Allgemein". Every
// check box, spin field and the radio group is bound to `ws.options` both ways, so the
// changes a generator run makes show at once.
class CalculationPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit CalculationPage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    QCheckBox* checkBox(CheckBox id) const {
        return checkBoxes_[static_cast<std::size_t>(number(id))];
    }
    QSpinBox* upDown(UpDown id) const { return upDowns_[static_cast<std::size_t>(number(id))]; }

    QTabWidget* innerPages;
    QGroupBox* radioGroup1;
    // Small buttons and clickable texts that show a statistic on the chart page.
    QToolButton* speedButton22; // overdue numbers
    QToolButton* speedButton23; // pairs
    QToolButton* speedButton24; // triples
    QToolButton* speedButton25; // quads
    QToolButton* speedButton26; // number distribution
    QToolButton* superselten;   // key-number frequency
    QToolButton* superAus;      // key-number overdue
    ClickableLabel* label88;    // cross sums
    ClickableLabel* label89;    // pairs
    ClickableLabel* label90;    // quads
    ClickableLabel* label91;    // triples
    // Shown while the cross-sum range's "von" lies above its "bis": no row can pass.
    QLabel* crossSumWarning;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStatisticalPage();
    QWidget* buildTicketPage();
    QWidget* buildMathematicalPage();
    QWidget* buildKeyNumberPage();
    QWidget* buildGeneralPage();

    // The control of the catalogue with its design caption, hint and range, bound both ways.
    QCheckBox* makeCheckBox(CheckBox id);
    QSpinBox* makeUpDown(UpDown id);
    QToolButton* makeChartButton(const char* name, void (*command)(Workspace&));
    ClickableLabel* makeChartLabel(const char* name, const char* caption,
                                   void (*command)(Workspace&));
    CaptionFields* makeCaptionFields(QWidget* caption, std::vector<QWidget*> fields);
    void runChartCommand(void (*command)(Workspace&));
    void showCrossSumWarning();

    std::array<QCheckBox*, kCheckBoxCount + 1> checkBoxes_{};
    std::array<QSpinBox*, kUpDownCount + 1> upDowns_{};
    QButtonGroup* radioButtons_;
    std::vector<CaptionFields*> captionFields_;
};

} // namespace kav::gui
