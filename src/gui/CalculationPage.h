// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"

class QTabWidget;

namespace kav::gui {

// "Berechnung": the generator's options on an inner page control with the pages
// "Statistisch", "Schein Optimierung", "Mathematisch", "Nº Clave" and "Allgemein".
class CalculationPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit CalculationPage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    QTabWidget* innerPages;
};

} // namespace kav::gui
