// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationPage.h"

#include "CaptionFields.h"
#include "ClickableLabels.h"
#include "LanguageComponents.h"
#include "QtConversions.h"
#include "generator/LinkedSpinBounds.h"
#include "stats/StatisticCommands.h"

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

constexpr const char* kDrawLimitHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
constexpr const char* kHistoryHint = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, "
                                     "beginnen mit dem Datum  aus deer Diagrammübersicht";
constexpr const char* kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";

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

QCheckBox* CalculationPage::makeCheckBox(int number, const char* caption, const char* hint) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString("CheckBox%1").arg(number));
    setHint(box, QString::fromUtf8(hint));
    checkBoxes_[static_cast<std::size_t>(number)] = box;
    connect(box, &QCheckBox::toggled, this, [this, number](bool checked) {
        ws().options.setCheckBox(number, checked);
        syncFromWorkspace(); // `CheckBox31` moves `UpDown6`'s maximum
    });
    return box;
}

QSpinBox* CalculationPage::makeUpDown(int number, const char* hint) {
    const UpDownSpec& field = upDownSpec(number);
    auto* spin = new QSpinBox;
    spin->setObjectName(QString("UpDown%1").arg(number));
    spin->findChild<QLineEdit*>()->setObjectName(QString("Edit%1").arg(field.editNumber));
    spin->setRange(field.minimum, field.maximum);
    setHint(spin, QString::fromUtf8(hint));
    spin->installEventFilter(this);
    upDowns_[static_cast<std::size_t>(number)] = spin;
    connect(spin, &QSpinBox::valueChanged, this,
            [this, number](int position) { ws().options.setUpDown(number, position); });
    return spin;
}

void CalculationPage::runStatistic(void (*command)(Workspace&)) {
    host().runCommand([this, command] { command(ws()); });
}

QToolButton* CalculationPage::makeChartButton(const char* name, void (*command)(Workspace&)) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(QString::fromUtf8("▁▃▅"));
    connect(button, &QToolButton::clicked, this, [this, command] { runStatistic(command); });
    return button;
}

ClickableLabel* CalculationPage::makeChartLabel(const char* name, const char* caption,
                                                void (*command)(Workspace&)) {
    auto* label = new ClickableLabel(QString::fromUtf8(caption));
    label->setObjectName(name);
    label->setWordWrap(true);
    connect(label, &ClickableLabel::clicked, this, [this, command] { runStatistic(command); });
    return label;
}

CaptionFields* CalculationPage::makeCaptionFields(QWidget* caption, std::vector<QWidget*> fields) {
    auto* row = new CaptionFields(caption, std::move(fields));
    captionFields_.push_back(row);
    return row;
}

QWidget* CalculationPage::buildStatisticalPage() {
    speedButton23 = makeChartButton("SpeedButton23", Label89Click);
    speedButton24 = makeChartButton("SpeedButton24", Label91Click);
    speedButton25 = makeChartButton("SpeedButton25", Label90Click);
    speedButton26 = makeChartButton("SpeedButton26", SpeedButton26Click);
    speedButton22 = makeChartButton("SpeedButton22", [](Workspace& w) { Button5Click(w); });
    return page({
        line({heading("StatisticsHeading", "Zahlen für die Tipps über Statistik bevorzugen")}),
        line({makeCheckBox(1, "Zahlen mit einer häufigen Paarebildung bevorzugen"),
              makeCheckBox(11, "seltensten"), speedButton23}),
        line({makeCheckBox(6, "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"),
              makeCheckBox(12, "seltensten"), speedButton24}),
        line({makeCheckBox(7, "Zahlen mit einer häufigen Viergruppenbildung bevorzugen"),
              makeCheckBox(13, "seltensten"), speedButton25}),
        line({makeCheckBox(2, "Zahlen die besonders oft gezogen wurden bevorzugen"),
              makeUpDown(12, kPercentHint), speedButton26}),
        line({makeCheckBox(14, "Zahlen die besonders selten gezogen wurden bevorzugen"),
              makeUpDown(14, kPercentHint)}),
        line({makeCheckBox(10, "Zahlen die am längsten überfällig sind"),
              makeUpDown(13, kPercentHint), speedButton22}),
        line({makeCheckBox(19, "benachbarte Zahlen der letzten Ziehung bevorzugen")}),
        line({text("PercentNote", "Für die Tippberechnung werden die jeweils ersten x% verwendet. "
                                  "(z.B. bis 30% vom Maximum)")}),
        line({text("PreferredOnlyNote", "Unter \"Allgemein\" können Sie festlegen, dass nur diese "
                                        "Zahlen für die Tippberechnung verwendet werden")}),
    });
}

QWidget* CalculationPage::buildTicketPage() {
    QCheckBox* databaseRule = makeCheckBox(
        9, "Tipp darf noch keinen              er aus der Datenbank entsprechen", kHistoryHint);
    QCheckBox* recentRule = makeCheckBox(
        28, "Tipp darf keinen              er aus den letzten              Ziehungen sein",
        kHistoryHint);
    return page({
        line({heading("TicketHeading", "Optimierung der einzelnen Tipps miteinander im Schein ")}),
        line({makeCheckBox(3, "maximale Übereinstimmungen mit anderen Tipps zulassen"),
              makeUpDown(3)}),
        line({makeCheckBox(24, "minimale Übereinstimmungen mit anderen Tipps zulassen"),
              makeUpDown(9)}),
        line({makeCheckBox(27, "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp "
                               "anwenden")}),
        line({heading("PastDrawsHeading",
                      "Optimierung der einzelnen Tipps über die vergangenen Ziehungen")}),
        line({makeCheckBox(4, "maximal zu verwendente Zahlen der letzten Ziehung", kDrawLimitHint),
              makeUpDown(4)}),
        line({makeCheckBox(5, "maximal zu verwendente Zahlen der vorletzten Ziehung",
                           kDrawLimitHint),
              makeUpDown(5)}),
        line({makeCheckBox(23, "maximal zu verwendente Zahlen der vorvorletzten Ziehung",
                           kDrawLimitHint),
              makeUpDown(11)}),
        line({makeCaptionFields(
            databaseRule,
            {makeUpDown(6, "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank "
                           "verwenden")})}),
        line({makeCaptionFields(
            recentRule,
            {makeUpDown(17, "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr "
                            "groß wählen"),
             makeUpDown(18, "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen "
                            "ausschließen")})}),
        line({makeCheckBox(31, "Nº Clave in Übereinstimmungsberechnung mit einbeziehen!")}),
        line({makeCheckBox(29, "vermeiden der Zahlen 1-12 (Monat oft getippt durch "
                               "Datums-Tipper) ")}),
        line({makeCheckBox(30, "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner "
                               "im Tipp enthalten")}),
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
        Label88Click);
    label89 = makeChartLabel(
        "Label89", "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.",
        Label89Click);
    label91 = makeChartLabel("Label91", "Dreier, ", Label91Click);
    label91->setWordWrap(false);
    label90 = makeChartLabel("Label90",
                             "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, "
                             "können hier ganz verhindert werden",
                             Label90Click);
    auto* groups = new QHBoxLayout;
    groups->setSpacing(0);
    groups->addWidget(label91);
    groups->addWidget(label90, 1);
    return page({
        line({heading("MathematicalHeading",
                      "Diese Bedingungen werden in jeder Tippreihe berücksichtigt")}),
        line({makeCaptionFields(label42, {makeUpDown(1), makeUpDown(2)})}),
        line({text("SumLimitNote", "Durch das Begrenzen der Quersummer können Sie Tipps wie "
                                   "1-2-3-4-5-6 oder 39-41-43-46-47-49")}),
        line({text("HighSumNote", "Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer "
                                  "größer 130. (Datumstipper)")}),
        line({label88}),
        line({makeCheckBox(8, "eine Paarbildung pro Tipp erzwingen")}),
        line({label89}),
        line({makeCheckBox(18, "keine Dreier, Vierer... Gruppen")}),
        groups,
        line({makeCheckBox(25, "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen"),
              makeUpDown(15)}),
        line({makeCheckBox(26, "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen"),
              makeUpDown(16)}),
        line({makeCheckBox(22, "mindest Anzahl von Primzahlen in jedem Tipp erzwingen"),
              makeUpDown(10)}),
    });
}

QWidget* CalculationPage::buildKeyNumberPage() {
    radioGroup1 = new QGroupBox(QString::fromUtf8("Nº Clave Option"));
    radioGroup1->setObjectName("RadioGroup1");
    radioButtons_ = new QButtonGroup(this);
    superselten = makeChartButton("Superselten", SuperseltenClick);
    superAus = makeChartButton("SuperAus", SuperAusClick);
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
            [this](int item) { ws().options.setRadioGroup1(item); });
    return page({
        line({heading("KeyNumberHeading", "Berechnungsoptionen für die Nº Clave")}),
        line({radioGroup1}),
        line({makeCheckBox(16, "kein Nº Clave aus den letzten Ziehungen verwenden"),
              makeUpDown(19)}),
    });
}

QWidget* CalculationPage::buildGeneralPage() {
    return page({
        line({label("AttemptsLabel", "Max. Berechnungsläufe"), makeUpDown(7),
              label("ThousandLabel", "Tausend")}),
        line({text("AttemptsNote", "Sie können versuchen die Berechnungsläufe zu erhöhen, falls "
                                   "mit Ihren Einstellungen nicht alle Reihen berechnet werden "
                                   "konnten. ")}),
        line({makeCheckBox(15, "für den Tipp nur bevorzugte Zahlen verwenden!")}),
        line({makeCheckBox(20, "Liste für Zahlenreihengenerierung anzeigen / bearbeiten")}),
    });
}

// The linked spin buttons change their bounds when the mouse presses or releases them.
bool CalculationPage::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        Options& o = ws().options;
        if (press && watched == upDown(3))
            UpDown3MouseDown(o);
        else if (release && watched == upDown(9))
            UpDown9MouseUp(o);
        else if (watched == upDown(15))
            evenOddMouseTouch(o, 15);
        else if (watched == upDown(16))
            evenOddMouseTouch(o, 16);
        syncFromWorkspace();
    }
    return WorkspacePage::eventFilter(watched, event);
}

void CalculationPage::syncFromWorkspace() {
    const Options& o = ws().options;
    for (int n = 1; n <= kCheckBoxCount; ++n) {
        if (QCheckBox* box = checkBox(n)) {
            const QSignalBlocker blocker(box);
            box->setChecked(o.checkBox(n));
        }
    }
    for (int n = 1; n <= kUpDownCount; ++n) {
        QSpinBox* spin = upDown(n);
        if (!spin)
            continue;
        const QSignalBlocker blocker(spin);
        // A run may set a position beyond the bounds (the database rule's 6); it shows.
        const int position = o.upDown(n);
        spin->setRange(std::min(o.upDownMinimum(n), position),
                       std::max(o.upDownMaximum(n), position));
        spin->setValue(position);
    }
    const std::vector<std::string>& items = o.radioItems();
    const QList<QAbstractButton*> radios = radioButtons_->buttons();
    for (int item = 0; item < radios.size(); ++item) {
        QAbstractButton* radio = radioButtons_->button(item);
        const auto index = static_cast<std::size_t>(item);
        radio->setText(index < items.size() ? qs(items[index]) : QString());
        radio->setVisible(index < items.size());
        const QSignalBlocker blocker(radio);
        radio->setChecked(item == o.radioGroup1());
    }
    for (CaptionFields* row : captionFields_)
        row->placeFields();
}

} // namespace kav::gui
