// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/ClickScriptDialog.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kav {
class Interaction;
}

namespace kav::gui {

// The click-script dialog `TVKSForm` of module Scriptwahl (one instance, `VKSForm`, made
// at start): the template to fill and the four parameters Klickwerk receives.
class TVKSForm final : public QDialog {
    Q_OBJECT
public:
    // `ui` answers the browse button's file dialog.
    explicit TVKSForm(Interaction& ui, QWidget* parent = nullptr);

    // Opens modally with the request's list and fields; on OK runs the request's update
    // check before closing. nullopt unless OK.
    std::optional<ClickScriptFields> choose(const ClickScriptDialogRequest& request);

    QComboBox* labeledEdit1; // the template's full path
    QToolButton* bitBtn1;    // browse
    QLineEdit* labeledEdit2; // ZAHL1
    QLineEdit* labeledEdit3; // ZAHL2
    QLineEdit* labeledEdit4; // TEXT1
    QLineEdit* labeledEdit5; // TEXT2
    QPushButton* bitBtn3;    // Cancel
    QPushButton* bitBtn2;    // OK

    void accept() override;
    void reject() override;
    void done(int result) override;

private:
    void browse();
    ClickScriptFields fields() const;

    Interaction& ui_;
    ClickScriptDialogRequest request_;
    bool checking_ = false;
};

} // namespace kav::gui
