// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scriptwahl.h"

#include "LanguageComponents.h"
#include "QtConversions.h"
#include "model/Interaction.h"
#include "output/ClickScript.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kav::gui {

TVKSForm::TVKSForm(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("VKSForm");
    setWindowTitle(QString::fromUtf8("Script für Zahlenübergabe auswählen!"));
    QFont arial("Arial");
    arial.setPixelSize(13);
    setFont(arial);

    labeledEdit1 = new QComboBox;
    labeledEdit1->setObjectName("LabeledEdit1");
    labeledEdit1->setEditable(true);
    labeledEdit1->setInsertPolicy(QComboBox::NoInsert);
    labeledEdit1->setMinimumContentsLength(48);
    labeledEdit1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bitBtn1 = new QToolButton;
    bitBtn1->setObjectName("BitBtn1");
    bitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    bitBtn1->setToolTip(QString::fromUtf8("Click-Script auswählen"));

    const auto edit = [](const char* name, const char* hint) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        e->setToolTip(QString::fromUtf8(hint));
        return e;
    };
    labeledEdit2 = edit("LabeledEdit2", "Zahl für das Click-Script");
    labeledEdit3 = edit("LabeledEdit3", "Zahl für das Click-Script");
    labeledEdit4 = edit("LabeledEdit4", "Ihr Anmeldename beim Tipp-Portal");
    labeledEdit5 = edit("LabeledEdit5", "Ihr Passwort beim Tipp-Portal");
    labeledEdit5->setEchoMode(QLineEdit::Password);

    bitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Abbrechen");
    bitBtn3->setObjectName("BitBtn3");
    bitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK");
    bitBtn2->setObjectName("BitBtn2");
    bitBtn2->setDefault(true);

    auto* scriptRow = new QHBoxLayout;
    scriptRow->addWidget(labeledEdit1, 1);
    scriptRow->addWidget(bitBtn1);

    auto* parameters = new QGridLayout;
    const std::pair<const char*, QLineEdit*> labelled[] = {{"ZAHL1", labeledEdit2},
                                                           {"ZAHL2", labeledEdit3},
                                                           {"TEXT1", labeledEdit4},
                                                           {"TEXT2", labeledEdit5}};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(labelled[i].first);
        label->setObjectName(QString("Label%1").arg(labelled[i].first));
        markProgramText(label); // the parameters' names, as the click scripts spell them
        label->setBuddy(labelled[i].second);
        parameters->addWidget(label, 0, i);
        parameters->addWidget(labelled[i].second, 1, i);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bitBtn3);
    bottom->addStretch(1);
    bottom->addWidget(bitBtn2);

    auto* layout = new QVBoxLayout(this);
    auto* scriptLabel = new QLabel("Velmors Click-Script File");
    scriptLabel->setObjectName("ScriptLabel");
    scriptLabel->setBuddy(labeledEdit1);
    layout->addWidget(scriptLabel);
    layout->addLayout(scriptRow);
    layout->addSpacing(6);
    auto* parameterLabel = new QLabel("Parameter ");
    parameterLabel->setObjectName("ParameterLabel");
    layout->addWidget(parameterLabel);
    layout->addLayout(parameters);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(bitBtn1, &QToolButton::clicked, this, &TVKSForm::browse);
    connect(bitBtn2, &QPushButton::clicked, this, &TVKSForm::accept);
    connect(bitBtn3, &QPushButton::clicked, this, &TVKSForm::reject);
}

std::optional<ClickScriptFields> TVKSForm::choose(const ClickScriptDialogRequest& request) {
    request_ = request;
    labeledEdit1->clear();
    for (const std::string& script : request.scripts)
        labeledEdit1->addItem(qs(script));
    labeledEdit1->setEditText(qs(request.fields.script));
    labeledEdit2->setText(qs(request.fields.zahl1));
    labeledEdit3->setText(qs(request.fields.zahl2));
    labeledEdit4->setText(qs(request.fields.text1));
    labeledEdit5->setText(qs(request.fields.text2));
    adjustSize();
    labeledEdit1->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    const ClickScriptFields chosen = fields();
    request_ = {};
    labeledEdit5->clear(); // the password does not stay in a hidden window
    if (!ok)
        return std::nullopt;
    return chosen;
}

ClickScriptFields TVKSForm::fields() const {
    return {labeledEdit1->currentText().toStdString(), labeledEdit2->text().toStdString(),
            labeledEdit3->text().toStdString(), labeledEdit4->text().toStdString(),
            labeledEdit5->text().toStdString()};
}

void TVKSForm::browse() {
    const FileDialogRequest dialog{request_.scriptFolder, "", kClickScriptFilter,
                                   kClickScriptExtension};
    if (const auto path = ui_.chooseOpenFile(dialog))
        labeledEdit1->setEditText(qs(path->string()));
}

// OK checks the chosen template on the script server first; the download blocks the
// dialog (its buttons are off) but the window keeps repainting.
void TVKSForm::accept() {
    if (checking_)
        return;
    if (request_.beforeOk) {
        checking_ = true;
        bitBtn2->setEnabled(false);
        bitBtn3->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        request_.beforeOk(labeledEdit1->currentText().toStdString());
        QApplication::restoreOverrideCursor();
        bitBtn2->setEnabled(true);
        bitBtn3->setEnabled(true);
        checking_ = false;
    }
    QDialog::accept();
}

void TVKSForm::reject() {
    if (!checking_)
        QDialog::reject();
}

// However the dialog closes, an empty number field shows "0".
void TVKSForm::done(int result) {
    ClickScriptFields closing = fields();
    completeNumberFields(closing);
    labeledEdit2->setText(qs(closing.zahl1));
    labeledEdit3->setText(qs(closing.zahl2));
    QDialog::done(result);
}

} // namespace kav::gui
