// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WorkspacePage.h"

class QLineEdit;

namespace kav::gui {

// "Internet-Optionen": the draw-data service's address, its proxy and the link labels.
class InternetPage final : public WorkspacePage {
    Q_OBJECT
public:
    explicit InternetPage(CommandHost& host, QWidget* parent = nullptr);
    void syncFromWorkspace() override;

    QLineEdit* proxyHostEdit;
    QLineEdit* proxyPortEdit;
    QLineEdit* drawServiceUrlEdit; // the draw-data service's address, setting "DrawServiceUrl"
    QLineEdit* scriptServerEdit;   // the maker's script server (click-script templates)
};

} // namespace kav::gui
