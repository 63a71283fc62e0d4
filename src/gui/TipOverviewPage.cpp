// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipOverviewPage.h"

#include "ClickableLabels.h"
#include "LanguageComponents.h"
#include "ProductLinks.h"
#include "QtConversions.h"
#include "SteadyWidthLabel.h"
#include "TicketPrint.h"
#include "TipSheetView.h"
#include "WrappingRow.h"
#include "commands/DrawNavigation.h"
#include "commands/Printout.h"
#include "commands/StatisticCommands.h"
#include "commands/TipFileCommands.h"
#include "draws/DrawCaption.h"
#include "evaluation/TipFile.h"
#include "model/Controls.h"
#include "output/TipPrintout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kav::gui {
TipOverviewPage::TipOverviewPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    speedButton6 = makeButton<QToolButton>("SpeedButton6", "◀", "vorhergehende Ziehung anzeigen");
    speedButton7 = makeButton<QToolButton>("SpeedButton7", "▶", "nächste Ziehung anzeigen");
    tipDrawCaption = new SteadyWidthLabel;
    tipDrawCaption->setObjectName("TipDrawCaption");
    markProgramText(tipDrawCaption);
    QFont bold = tipDrawCaption->font();
    bold.setBold(true);
    tipDrawCaption->setFont(bold);
    crossSumLabel = new SteadyWidthLabel;
    crossSumLabel->setObjectName("CrossSumLabel");
    markProgramText(crossSumLabel);
    updateButton = makeButton<QToolButton>("TipUpdateButton", "⟳", "Ziehungsdaten laden");

    bitBtn4 = makeButton<QPushButton>("BitBtn4", "Tipps berechnen",
                                      "Starten Sie hier die Berechnung der Tippreihen.");
    const UpDownControl& rowsToCompute = control(UpDown::RowsToCompute);
    upDown8 = new QSpinBox;
    upDown8->setObjectName(qs(designName(UpDown::RowsToCompute)));
    upDown8->findChild<QLineEdit*>()->setObjectName(
        QString("Edit%1").arg(rowsToCompute.editNumber));
    upDown8->setRange(rowsToCompute.minimum, rowsToCompute.maximum);
    speedButton13 = makeButton<QToolButton>(
        "SpeedButton13", "☘",
        "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren");
    speedButton11 = makeButton<QToolButton>("SpeedButton11", "✕", "Löschen aller Tipps");
    speedButton15 = makeButton<QToolButton>("SpeedButton15", "", "Speichern des Tipps");
    speedButton15->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    speedButton16 = makeButton<QToolButton>("SpeedButton16", "", "Tipp laden aus Datei");
    speedButton16->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    // Keyboard ways to the sheet's commands (the hints stay the design texts).
    speedButton6->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    speedButton7->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    speedButton15->setShortcut(QKeySequence::Save);
    speedButton16->setShortcut(QKeySequence::Open);
    speedButton4 =
        makeButton<QToolButton>("SpeedButton4", "Tipps in DB suchen",
                                "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde");
    button6 =
        makeButton<QPushButton>("Button6", "Verteilung der Tipps",
                                "Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden");
    bitBtn7 = makeButton<QPushButton>("BitBtn7", "Tipp ausdrucken",
                                      "Drucken SIe hier die berechneten Tipps aus");
    previewButton = makeButton<QPushButton>(
        "PreviewButton", "Druckvorschau…",
        "Zeigt den Tippschein als Druckseite, die Sie drucken oder als PDF speichern können");
    previewButton->setShortcut(QKeySequence::Print);
    submitButton = makeButton<QPushButton>("SubmitButton", "Tipp ab&geben",
                                           "Hier können Sie den Tipp Online abgeben");

    leftBanner = new SideBanner(QString::fromUtf8(kMakerBanner));
    rightBanner = new SideBanner(QString::fromUtf8(kProductBanner));
    for (SideBanner* banner : {leftBanner, rightBanner}) {
        banner->setProperty("kavantoHint", true);
        banner->setToolTip(QString::fromUtf8(kMakerHomePage));
        connect(banner, &SideBanner::clicked, this,
                [this] { ws().program.ui.openDocument(kMakerHomePage); });
    }

    // The caption and the cross sum keep their widths, so the buttons beside them stay put
    // while stepping through the draws; the update button sits at the right end.
    auto* top = new QHBoxLayout;
    top->addWidget(speedButton6);
    top->addWidget(tipDrawCaption);
    top->addWidget(speedButton7);
    top->addSpacing(12);
    top->addWidget(crossSumLabel);
    top->addStretch(1);
    top->addWidget(updateButton);

    sheet = new TipSheetView(commandHost);

    // The sheet's buttons wrap onto a second line where a language's captions need more
    // room than the window has.
    auto* buttons = new WrappingRow;
    for (QWidget* w :
         std::initializer_list<QWidget*>{speedButton11, speedButton15, speedButton16, speedButton4,
                                         button6, bitBtn7, previewButton})
        buttons->addWidget(w);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bitBtn4);
    bottom->addWidget(upDown8);
    bottom->addWidget(speedButton13);
    bottom->addStretch(1);
    bottom->addWidget(submitButton);

    auto* centre = new QVBoxLayout;
    centre->addLayout(top);
    centre->addWidget(sheet);
    centre->addLayout(buttons);
    centre->addStretch(1);
    centre->addLayout(bottom);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(leftBanner);
    layout->addLayout(centre, 1);
    layout->addWidget(rightBanner);

    connect(upDown8, &QSpinBox::valueChanged, this,
            [this](int rows) { ws().options.setValue(UpDown::RowsToCompute, rows); });

    const auto command = [this](QToolButton* button, void (*run)(Workspace&)) {
        connect(button, &QToolButton::clicked, this,
                [this, run] { host().runCommand([this, run] { run(ws()); }); });
    };
    command(speedButton6,
            [](Workspace& w) { SpeedButton6Click(w.program, w.ticket, w.drawWindow, w.view); });
    command(speedButton7,
            [](Workspace& w) { SpeedButton7Click(w.program, w.ticket, w.drawWindow, w.view); });
    command(speedButton11, [](Workspace& w) { w.ticket.sheet.clearUnlocked(); });
    command(speedButton15,
            [](Workspace& w) { SpeedButton15Click(w.program, w.ticket, w.drawWindow); });
    command(speedButton16,
            [](Workspace& w) { SpeedButton16Click(w.program, w.ticket, w.drawWindow, w.view); });
    connect(button6, &QPushButton::clicked, this, [this] {
        host().runCommand([this] { Button6Click(ws().program, ws().ticket, ws().view); });
    });
    connect(bitBtn7, &QPushButton::clicked, this, [this] {
        host().runCommand([this] { BitBtn7Click(ws().program, ws().ticket, ws().drawWindow); });
    });
    connect(previewButton, &QPushButton::clicked, this, [this] {
        host().runCommand([this] {
            showPrintPreview(window(),
                             makeTipPrintout(ws().ticket.sheet, ws().program.messages,
                                             ws().drawWindow.current.date),
                             qs(formatShortDate(ws().program.today())));
        });
    });
}

// The widest captions the current day names and cross-sum text can give: every day name,
// five two-digit numbers, the longer caption variant.
void TipOverviewPage::updateCaptionSamples() {
    const Workspace& w = ws();
    const std::string crossSumText = w.program.messages.line(msg::CrossSum);
    if (w.view.shortDayNames == sampledDayNames_ && crossSumText == sampledCrossSumText_)
        return;
    sampledDayNames_ = w.view.shortDayNames;
    sampledCrossSumText_ = crossSumText;
    QStringList captions;
    CurrentDraw widest;
    widest.take(DrawRecord::make(kMinimumPickerDate, {54, 54, 54, 54, 54}, 9));
    for (int day = 0; day < 7; ++day, widest.date += 1.0)
        for (CaptionVariant variant : {CaptionVariant::A, CaptionVariant::C})
            captions << qs(drawCaptionText(widest, variant, w.view.shortDayNames));
    tipDrawCaption->setSamples(captions);
    crossSumLabel->setSamples({qs(crossSumText + "270")});
}

void TipOverviewPage::syncFromWorkspace() {
    const Workspace& w = ws();
    updateCaptionSamples();
    tipDrawCaption->setText(qs(w.view.tipDrawCaption));
    crossSumLabel->setText(qs(w.view.crossSumCaption));
    bitBtn4->setText(qs(w.view.startButtonCaption));
    sheet->syncFromWorkspace();
    const QSignalBlocker blocker(upDown8);
    upDown8->setValue(w.options.value(UpDown::RowsToCompute));
}

} // namespace kav::gui
