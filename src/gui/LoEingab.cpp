// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoEingab.h"

#include "QtConversions.h"
#include "draws/DrawMaintenance.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kav::gui {
namespace {

QSpinBox* makeSpinField(const QString& name, int minimum, int maximum) {
    auto* field = new QSpinBox;
    field->setObjectName(name);
    field->setRange(minimum, maximum);
    // Text that is no number of the range is never taken: leaving the field shows the
    // last valid value again.
    field->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    return field;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Zahlen der Ziehung eingeben");

    dateTimePicker1 = new QDateEdit;
    dateTimePicker1->setObjectName("DateTimePicker1");
    dateTimePicker1->setDisplayFormat("dd.MM.yyyy");
    dateTimePicker1->setCalendarPopup(true);

    auto* fields = new QHBoxLayout;
    for (std::size_t i = 0; i < numberFields.size(); ++i) {
        numberFields[i] = makeSpinField(QString("SpinEdit%1").arg(i + 1), 1, kHighestNumber);
        fields->addWidget(numberFields[i]);
    }
    keyField = makeSpinField("SpinEdit6", 0, kHighestKey);
    auto* keyLabel = new QLabel("S:");
    keyLabel->setBuddy(keyField);
    fields->addSpacing(8);
    fields->addWidget(keyLabel);
    fields->addWidget(keyField);

    okButton = new QPushButton("OK");
    okButton->setObjectName("BitBtn1");
    okButton->setDefault(true);
    abortButton = new QPushButton("Abbrechen");
    abortButton->setObjectName("BitBtn2");
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(abortButton, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    repeatedNumberLabel = new QLabel;
    repeatedNumberLabel->setObjectName("RepeatedNumberLabel");
    repeatedNumberLabel->setTextFormat(Qt::PlainText);
    repeatedNumberLabel->setWordWrap(true);
    QPalette warning = repeatedNumberLabel->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    repeatedNumberLabel->setPalette(warning);
    repeatedNumberLabel->hide();
    for (QSpinBox* field : numberFields)
        connect(field, &QSpinBox::valueChanged, this, &TForm3::checkNumbers);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateTimePicker1);
    layout->addLayout(fields);
    layout->addWidget(repeatedNumberLabel);
    layout->addWidget(buttons);
}

// A draw holds five different numbers; one that holds a number twice would count as a win
// for every row with that number, so OK waits until the fields differ.
void TForm3::checkNumbers() {
    const std::optional<int> repeated = repeatedNumber(entered());
    okButton->setEnabled(!repeated);
    repeatedNumberLabel->setVisible(repeated.has_value());
    if (repeated)
        repeatedNumberLabel->setText(qs(repeatedNumberText(*repeated)));
}

void TForm3::preset(const DrawRecord& draw) {
    dateTimePicker1->setDate(toQDate(roundToDay(draw.date)));
    for (std::size_t i = 0; i < numberFields.size(); ++i)
        numberFields[i]->setValue(draw.number(static_cast<int>(i)));
    keyField->setValue(draw.key());
}

DrawRecord TForm3::entered() const {
    std::array<int, kNumbersPerDraw> numbers{};
    for (std::size_t i = 0; i < numberFields.size(); ++i)
        numbers[i] = numberFields[i]->value();
    return DrawRecord::make(static_cast<double>(fromQDate(dateTimePicker1->date())), numbers,
                            keyField->value());
}

std::optional<DrawRecord> runDrawEntry(QWidget* parent, const DrawRecord& draw) {
    TForm3 dialog(parent);
    dialog.preset(draw);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entered();
}

} // namespace kav::gui
