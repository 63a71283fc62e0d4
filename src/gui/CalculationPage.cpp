// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kav::gui {

CalculationPage::CalculationPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    innerPages = new QTabWidget;
    innerPages->setObjectName("PageControl2");
    for (const char* caption :
         {"Statistisch", "Schein Optimierung", "Mathematisch", "Nº Clave", "Allgemein"})
        innerPages->addTab(new QWidget, QString::fromUtf8(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(innerPages);
}

void CalculationPage::syncFromWorkspace() {}

} // namespace kav::gui
