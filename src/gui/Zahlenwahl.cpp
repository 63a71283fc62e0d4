// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zahlenwahl.h"

#include "LanguageComponents.h"
#include "QtConversions.h"
#include "generator/NumberList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace kav::gui {
namespace {

constexpr int kBoxColumns = 9;

void paint(QCheckBox* box, const QColor& colour) {
    if (box->palette().color(QPalette::Window) == colour)
        return;
    QPalette p = box->palette();
    p.setColor(QPalette::Window, colour);
    box->setPalette(p);
}

} // namespace

const QColor TForm6::kYellow{255, 255, 0};

QColor TForm6::toolTipColour() {
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

TForm6::TForm6(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("Form6");
    setWindowTitle("Welche Zahlen für die Berechnung");
    setModal(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int k = 1; k <= kListNumbers; ++k) {
        auto* b = new QCheckBox(QString::number(k));
        b->setObjectName(QString("CheckBox%1").arg(k));
        markProgramText(b); // the caption is the number, the hint its weight
        b->setAutoFillBackground(true);
        paint(b, toolTipColour());
        boxes_[static_cast<std::size_t>(k - 1)] = b;
        grid->addWidget(b, (k - 1) / kBoxColumns, (k - 1) % kBoxColumns);
    }

    speedButton1 = makeButton<QToolButton>("SpeedButton1", "", "Speichern der Liste");
    speedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    speedButton2 = makeButton<QToolButton>("SpeedButton2", "", "Laden der Liste");
    speedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    bitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK");
    bitBtn1->setObjectName("BitBtn1");
    bitBtn1->setDefault(true);
    bitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "&Abbrechen");
    bitBtn2->setObjectName("BitBtn2");
    bitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), "&Rechnen");
    bitBtn3->setObjectName("BitBtn3");
    bitBtn4 = new QPushButton("&Zufall");
    bitBtn4->setObjectName("BitBtn4");
    bitBtn4->hide();

    // "&Rechnen" and OK share one place; the later one lies on top.
    auto* okPlace = new QGridLayout;
    okPlace->setContentsMargins(0, 0, 0, 0);
    okPlace->addWidget(bitBtn1, 0, 0);
    okPlace->addWidget(bitBtn3, 0, 0);
    bitBtn3->raise();
    setCalculateVisible(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(speedButton1);
    buttons->addWidget(speedButton2);
    buttons->addStretch(1);
    buttons->addWidget(bitBtn4);
    buttons->addLayout(okPlace);
    buttons->addWidget(bitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    timer1 = new QTimer(this);
    timer1->setObjectName("Timer1");
    timer1->setInterval(RandomAnimation::kTickMilliseconds);

    connect(bitBtn1, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(bitBtn2, &QPushButton::clicked, this, [this] { done(ResultAbort); });
    connect(bitBtn3, &QPushButton::clicked, this, [this] { done(ResultRetry); });
    connect(bitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);
    connect(speedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(speedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
}

NumberBoxes TForm6::boxes() const {
    NumberBoxes b;
    for (int k = 1; k <= kListNumbers; ++k) {
        const QCheckBox* w = box(k);
        b[k].checked = w->isChecked();
        b[k].weight = w->toolTip().toStdString();
        b[k].colour = w->palette().color(QPalette::Window) == kYellow ? BoxColour::Yellow
                                                                      : BoxColour::ToolTip;
    }
    return b;
}

void TForm6::showBoxes(const NumberBoxes& b) {
    const QColor toolTip = toolTipColour();
    for (int k = 1; k <= kListNumbers; ++k) {
        QCheckBox* w = box(k);
        w->setChecked(b[k].checked);
        const QString weight = qs(b[k].weight);
        if (w->toolTip() != weight)
            w->setToolTip(weight);
        paint(w, b[k].colour == BoxColour::Yellow ? kYellow : toolTip);
    }
}

void TForm6::applySetup(const NumberListSetup& setup) {
    setup_ = setup;
    animation_.setCounts(animation_.pickCount(), setup.numberCount);
}

void TForm6::setCalculateVisible(bool visible) {
    bitBtn3->setVisible(visible);
    // Covered by "&Rechnen", OK is still the default button for Enter but takes no focus.
    bitBtn1->setFocusPolicy(visible ? Qt::NoFocus : Qt::StrongFocus);
}

FileDialogRequest TForm6::listFileRequest() const {
    return {setup_.listFolder, setup_.proposedListName, kNumberListFilter, kNumberListExtension};
}

int TForm6::runModal() {
    adjustSize();
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
    box(1)->setFocus();
    return exec();
}

// Closing the dialog, by any of its buttons or its close box, ends the random animation.
void TForm6::done(int result) {
    timer1->stop();
    animation_.stop();
    if (!setup_.randomIdleText.empty())
        bitBtn4->setText(qs(setup_.randomIdleText));
    QDialog::done(result);
}

PoolListChoice TForm6::askForPool(const PoolListQuestion& question) {
    applySetup(question.setup);
    NumberBoxes b = boxes();
    showPool(b, question.weights);
    showBoxes(b);
    PoolListChoice choice;
    switch (runModal()) {
    case ResultRetry:
        choice.answer = PoolListAnswer::Calculate;
        choice.boxes = boxes();
        break;
    case ResultOk:
        choice.answer = PoolListAnswer::Keep;
        break;
    default:
        choice.answer = PoolListAnswer::Abandon;
        break;
    }
    return choice;
}

std::optional<NumberBoxes> TForm6::editRow(const TipRowQuestion& question, Random& random) {
    setWindowTitle(qs(question.caption));
    applySetup(question.setup);
    animation_.setCounts(question.pickCount, question.setup.numberCount);
    setCalculateVisible(false);
    bitBtn4->show();
    NumberBoxes b = boxes();
    markNumbers(b, question.marked);
    showBoxes(b);

    random_ = &random;
    const int result = runModal();
    random_ = nullptr;
    std::optional<NumberBoxes> answer;
    if (result == ResultOk)
        answer = boxes();

    // Whatever the result, the dialog is made ready for the generator again.
    setCalculateVisible(true);
    bitBtn4->hide();
    b = boxes();
    paintAllToolTip(b);
    showBoxes(b);
    setWindowTitle(qs(question.captionAfterwards));
    applySetup(question.setup);
    return answer;
}

void TForm6::SpeedButton1Click() {
    const std::optional<std::filesystem::path> path = ui_.chooseSaveFile(listFileRequest());
    if (!path)
        return;
    NumberBoxes b = boxes();
    try {
        saveNumberList(b, setup_.numberCount, *path);
    } catch (const std::exception& e) {
        ui_.showError(e.what());
    }
    showBoxes(b); // checked boxes without a weight now show "1"
}

void TForm6::SpeedButton2Click() {
    const std::optional<std::filesystem::path> path = ui_.chooseOpenFile(listFileRequest());
    if (!path)
        return;
    try {
        showBoxes(loadNumberList(boxes(), setup_.numberCount, *path));
    } catch (const std::exception& e) {
        ui_.showError(e.what());
    }
}

void TForm6::BitBtn4Click() {
    if (!random_)
        return;
    NumberBoxes b = boxes();
    switch (animation_.press(b)) {
    case RandomAnimation::Press::Started:
        showBoxes(b);
        timer1->start();
        break;
    case RandomAnimation::Press::Fixed:
        break;
    case RandomAnimation::Press::Stopped:
        timer1->stop();
        bitBtn4->setText(qs(setup_.randomIdleText));
        break;
    }
}

void TForm6::Timer1Timer() {
    if (!random_ || !animation_.running())
        return;
    NumberBoxes b = boxes();
    bitBtn4->setText(qs(animation_.tick(b, *random_, setup_.randomRunningSuffix)));
    showBoxes(b);
}

} // namespace kav::gui
