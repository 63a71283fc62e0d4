// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"

#include "CaptionFields.h"
#include "ClickableLabels.h"
#include "LanguageComponents.h"
#include "QtConversions.h"
#include "StatisticBindings.h"
#include "commands/StatisticCommands.h"
#include "generator/LinkedSpinBounds.h"
#include "model/Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kav::gui {
namespace {

// A short caption beside a field.
QLabel* label(const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption));
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// An explaining text that wraps.
QLabel* text(const char* name, const char* caption) {
    QLabel* l = label(name, caption);
    l->setWordWrap(true);
    return l;
}

QLabel* heading(const char* name, const char* caption) {
    QLabel* l = text(name, caption);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

// One line of a page: the widgets side by side; a wrapping text at the end takes the rest
// of the line, otherwise it stays empty.
QHBoxLayout* line(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets)
        row->addWidget(w);
    const auto* last = qobject_cast<const QLabel*>(*(widgets.end() - 1));
    if (last && last->wordWrap())
        row->setStretch(row->count() - 1, 1);
    else
        row->addStretch(1);
    return row;
}

QWidget* page(std::initializer_list<QLayout*> lines) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    for (QLayout* l : lines)
        layout->addLayout(l);
    layout->addStretch(1);
    return widget;
}

} // namespace

CalculationPage::CalculationPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    innerPages = new QTabWidget;
    innerPages->setObjectName("PageControl2");
    const std::pair<QWidget*, const char*> pages[] = {{buildStatisticalPage(), "Statistisch"},
                                                      {buildTicketPage(), "Schein Optimierung"},
                                                      {buildMathematicalPage(), "Mathematisch"},
                                                      {buildKeyNumberPage(), "Nº Clave"},
                                                      {buildGeneralPage(), "Allgemein"}};
    const char* sheetNames[] = {"TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet10"};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        pages[i].first->setObjectName(sheetNames[i]);
        innerPages->addTab(pages[i].first, QString::fromUtf8(pages[i].second));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(innerPages);
    syncFromWorkspace();
}

QCheckBox* CalculationPage::makeCheckBox(CheckBox id) {
    const CheckBoxControl& c = control(id);
    auto* box = new QCheckBox(QString::fromUtf8(c.caption));
    box->setObjectName(qs(designName(id)));
    setHint(box, QString::fromUtf8(c.hint));
    checkBoxes_[static_cast<std::size_t>(number(id))] = box;
    connect(box, &QCheckBox::toggled, this, [this, id](bool checked) {
        ws().options.setChecked(id, checked);
        syncFromWorkspace(); // `CheckBox31` moves `UpDown6`'s maximum
    });
    return box;
}

QSpinBox* CalculationPage::makeUpDown(UpDown id) {
    const UpDownControl& field = control(id);
    auto* spin = new QSpinBox;
    spin->setObjectName(qs(designName(id)));
    spin->findChild<QLineEdit*>()->setObjectName(QString("Edit%1").arg(field.editNumber));
    spin->setRange(field.minimum, field.maximum);
    setHint(spin, QString::fromUtf8(field.hint));
    spin->installEventFilter(this);
    upDowns_[static_cast<std::size_t>(number(id))] = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this, id](int position) {
        ws().options.setValue(id, position);
        showCrossSumWarning();
    });
    return spin;
}

void CalculationPage::runChartCommand(void (*command)(Workspace&)) {
    host().runCommand([this, command] { command(ws()); });
}

QToolButton* CalculationPage::makeChartButton(const char* name, void (*command)(Workspace&)) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(QString::fromUtf8("▁▃▅"));
    connect(button, &QToolButton::clicked, this, [this, command] { runChartCommand(command); });
    return button;
}

ClickableLabel* CalculationPage::makeChartLabel(const char* name, const char* caption,
                                                void (*command)(Workspace&)) {
    auto* label = new ClickableLabel(QString::fromUtf8(caption));
    label->setObjectName(name);
    label->setWordWrap(true);
    connect(label, &ClickableLabel::clicked, this, [this, command] { runChartCommand(command); });
    return label;
}

CaptionFields* CalculationPage::makeCaptionFields(QWidget* caption, std::vector<QWidget*> fields) {
    auto* row = new CaptionFields(caption, std::move(fields));
    captionFields_.push_back(row);
    return row;
}

QWidget* CalculationPage::buildStatisticalPage() {
    speedButton23 = makeChartButton("SpeedButton23", runShownStatistic<Label89Click>);
    speedButton24 = makeChartButton("SpeedButton24", runShownStatistic<Label91Click>);
    speedButton25 = makeChartButton("SpeedButton25", runShownStatistic<Label90Click>);
    speedButton26 = makeChartButton("SpeedButton26", runShownStatistic<SpeedButton26Click>);
    speedButton22 = makeChartButton("SpeedButton22", runStatistic<Button5Click>);
    return page({
        line({heading("StatisticsHeading", "Zahlen für die Tipps über Statistik bevorzugen")}),
        line({makeCheckBox(CheckBox::FrequentPairs), makeCheckBox(CheckBox::RarePairs),
              speedButton23}),
        line({makeCheckBox(CheckBox::FrequentTriples), makeCheckBox(CheckBox::RareTriples),
              speedButton24}),
        line({makeCheckBox(CheckBox::FrequentQuads), makeCheckBox(CheckBox::RareQuads),
              speedButton25}),
        line({makeCheckBox(CheckBox::FrequentNumbers), makeUpDown(UpDown::FrequentNumbersPercent),
              speedButton26}),
        line({makeCheckBox(CheckBox::RareNumbers), makeUpDown(UpDown::RareNumbersPercent)}),
        line({makeCheckBox(CheckBox::OverdueNumbers), makeUpDown(UpDown::OverdueNumbersPercent),
              speedButton22}),
        line({makeCheckBox(CheckBox::NeighboursOfLastDraw)}),
        line({text("PercentNote", "Für die Tippberechnung werden die jeweils ersten x% verwendet. "
                                  "(z.B. bis 30% vom Maximum)")}),
        line({text("PreferredOnlyNote", "Unter \"Allgemein\" können Sie festlegen, dass nur diese "
                                        "Zahlen für die Tippberechnung verwendet werden")}),
    });
}

QWidget* CalculationPage::buildTicketPage() {
    QCheckBox* databaseRule = makeCheckBox(CheckBox::DatabaseRule);
    QCheckBox* recentRule = makeCheckBox(CheckBox::RecentDrawsRule);
    return page({
        line({heading("TicketHeading", "Optimierung der einzelnen Tipps miteinander im Schein ")}),
        line({makeCheckBox(CheckBox::MaximumOverlap), makeUpDown(UpDown::MaximumOverlap)}),
        line({makeCheckBox(CheckBox::MinimumOverlap), makeUpDown(UpDown::MinimumOverlap)}),
        line({makeCheckBox(CheckBox::PairwiseOverlap)}),
        line({heading("PastDrawsHeading",
                      "Optimierung der einzelnen Tipps über die vergangenen Ziehungen")}),
        line({makeCheckBox(CheckBox::LastDrawLimit), makeUpDown(UpDown::LastDrawLimit)}),
        line(
            {makeCheckBox(CheckBox::SecondLastDrawLimit), makeUpDown(UpDown::SecondLastDrawLimit)}),
        line({makeCheckBox(CheckBox::ThirdLastDrawLimit), makeUpDown(UpDown::ThirdLastDrawLimit)}),
        line({makeCaptionFields(databaseRule, {makeUpDown(UpDown::DatabaseMatches)})}),
        line({makeCaptionFields(recentRule, {makeUpDown(UpDown::RecentDrawsMatches),
                                             makeUpDown(UpDown::RecentDrawsCount)})}),
        line({makeCheckBox(CheckBox::KeyCountsAsHit)}),
        line({makeCheckBox(CheckBox::AvoidMonthNumbers)}),
        line({makeCheckBox(CheckBox::FewerDateNumbers)}),
    });
}

QWidget* CalculationPage::buildMathematicalPage() {
    auto* label42 = new QLabel(
        QString::fromUtf8("Quersummen von              bis              im Tipp zulassen"));
    label42->setObjectName("Label42");
    label42->setTextFormat(Qt::PlainText);
    label88 = makeChartLabel(
        "Label88",
        "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter "
        "QS  ",
        runShownStatistic<Label88Click>);
    label89 = makeChartLabel(
        "Label89", "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.",
        runShownStatistic<Label89Click>);
    label91 = makeChartLabel("Label91", "Dreier, ", runShownStatistic<Label91Click>);
    label91->setWordWrap(false);
    label90 = makeChartLabel("Label90",
                             "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, "
                             "können hier ganz verhindert werden",
                             runShownStatistic<Label90Click>);
    crossSumWarning = text("CrossSumWarning",
                           "„von“ liegt über „bis“: keine Tippreihe kann diese Quersumme haben.");
    markProgramText(crossSumWarning);
    QPalette warning = crossSumWarning->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    crossSumWarning->setPalette(warning);
    auto* groups = new QHBoxLayout;
    groups->setSpacing(0);
    groups->addWidget(label91);
    groups->addWidget(label90, 1);
    return page({
        line({heading("MathematicalHeading",
                      "Diese Bedingungen werden in jeder Tippreihe berücksichtigt")}),
        line({makeCaptionFields(
            label42, {makeUpDown(UpDown::CrossSumFrom), makeUpDown(UpDown::CrossSumTo)})}),
        line({crossSumWarning}),
        line({text("SumLimitNote", "Durch das Begrenzen der Quersummer können Sie Tipps wie "
                                   "1-2-3-4-5-6 oder 39-41-43-46-47-49")}),
        line({text("HighSumNote", "Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer "
                                  "größer 130. (Datumstipper)")}),
        line({label88}),
        line({makeCheckBox(CheckBox::ForcedPair)}),
        line({label89}),
        line({makeCheckBox(CheckBox::NoRunsOfThree)}),
        groups,
        line({makeCheckBox(CheckBox::MinimumEven), makeUpDown(UpDown::MinimumEven)}),
        line({makeCheckBox(CheckBox::MinimumOdd), makeUpDown(UpDown::MinimumOdd)}),
        line({makeCheckBox(CheckBox::MinimumPrimes), makeUpDown(UpDown::MinimumPrimes)}),
    });
}

QWidget* CalculationPage::buildKeyNumberPage() {
    radioGroup1 = new QGroupBox(QString::fromUtf8("Nº Clave Option"));
    radioGroup1->setObjectName("RadioGroup1");
    radioButtons_ = new QButtonGroup(this);
    superselten = makeChartButton("Superselten", runShownStatistic<SuperseltenClick>);
    superAus = makeChartButton("SuperAus", runShownStatistic<SuperAusClick>);
    auto* items = new QVBoxLayout(radioGroup1);
    QToolButton* besideItem[] = {nullptr, superselten, superAus};
    for (int item = 0; item < 3; ++item) {
        auto* radio = new QRadioButton;
        radio->setObjectName(QString("RadioGroup1Item%1").arg(item));
        markProgramText(radio); // the option file fills the items
        radioButtons_->addButton(radio, item);
        auto* row = new QHBoxLayout;
        row->addWidget(radio);
        if (besideItem[item])
            row->addWidget(besideItem[item]);
        row->addStretch(1);
        items->addLayout(row);
    }
    connect(radioButtons_, &QButtonGroup::idClicked, this,
            [this](int item) { ws().options.setKeyModeItem(item); });
    return page({
        line({heading("KeyNumberHeading", "Berechnungsoptionen für die Nº Clave")}),
        line({radioGroup1}),
        line({makeCheckBox(CheckBox::NoRecentKeys), makeUpDown(UpDown::RecentKeysCovered)}),
    });
}

QWidget* CalculationPage::buildGeneralPage() {
    return page({
        line({label("AttemptsLabel", "Max. Berechnungsläufe"), makeUpDown(UpDown::AttemptBudget),
              label("ThousandLabel", "Tausend")}),
        line({text("AttemptsNote", "Sie können versuchen die Berechnungsläufe zu erhöhen, falls "
                                   "mit Ihren Einstellungen nicht alle Reihen berechnet werden "
                                   "konnten. ")}),
        line({makeCheckBox(CheckBox::PreferredNumbersOnly)}),
        line({makeCheckBox(CheckBox::ShowNumberList)}),
    });
}

// The linked spin buttons change their bounds when the mouse presses or releases them.
bool CalculationPage::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        Options& o = ws().options;
        if (press && watched == upDown(UpDown::MaximumOverlap))
            UpDown3MouseDown(o);
        else if (release && watched == upDown(UpDown::MinimumOverlap))
            UpDown9MouseUp(o);
        else if (watched == upDown(UpDown::MinimumEven))
            evenOddMouseTouch(o, UpDown::MinimumEven);
        else if (watched == upDown(UpDown::MinimumOdd))
            evenOddMouseTouch(o, UpDown::MinimumOdd);
        syncFromWorkspace();
    }
    return WorkspacePage::eventFilter(watched, event);
}

void CalculationPage::syncFromWorkspace() {
    const Options& o = ws().options;
    for (const CheckBoxControl& c : checkBoxControls()) {
        QCheckBox* box = checkBox(c.id);
        const QSignalBlocker blocker(box);
        box->setChecked(o.checked(c.id));
    }
    for (const UpDownControl& c : upDownControls()) {
        QSpinBox* spin = upDown(c.id);
        if (!spin) // `UpDown8` lives on the tip page
            continue;
        const QSignalBlocker blocker(spin);
        // A run may set a position beyond the bounds (the database rule's 6); it shows.
        const int position = o.value(c.id);
        spin->setRange(std::min(o.minimum(c.id), position), std::max(o.maximum(c.id), position));
        spin->setValue(position);
    }
    const std::vector<std::string>& items = o.keyModeItems();
    const QList<QAbstractButton*> radios = radioButtons_->buttons();
    for (int item = 0; item < radios.size(); ++item) {
        QAbstractButton* radio = radioButtons_->button(item);
        const auto index = static_cast<std::size_t>(item);
        radio->setText(index < items.size() ? qs(items[index]) : QString());
        radio->setVisible(index < items.size());
        const QSignalBlocker blocker(radio);
        radio->setChecked(item == o.keyModeItem());
    }
    for (CaptionFields* row : captionFields_)
        row->placeFields();
    showCrossSumWarning();
}

void CalculationPage::showCrossSumWarning() {
    const Options& o = ws().options;
    crossSumWarning->setVisible(o.value(UpDown::CrossSumFrom) > o.value(UpDown::CrossSumTo));
}

} // namespace kav::gui
