// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageComponents.h"

#include "QtConversions.h"
#include "app/Workspace.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <optional>

namespace kav::gui {
namespace {

constexpr const char* kProgramTextProperty = "kavantoProgramText";
constexpr const char* kCharsetProperty = "kavantoCharset";
constexpr int kDefaultCharset = 1; // DEFAULT_CHARSET

QTabWidget* pageControlOf(const QWidget* page) {
    const QWidget* stack = page->parentWidget();
    if (!qobject_cast<const QStackedWidget*>(stack))
        return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    return tabs && tabs->indexOf(const_cast<QWidget*>(page)) >= 0 ? tabs : nullptr;
}

bool startsWithBitBtn(const QWidget* w) {
    return w->objectName().startsWith(QLatin1String("BitBtn"));
}

std::optional<ComponentKind> kindOf(const QWidget* w) {
    if (w->property(kProgramTextProperty).toBool() ||
        w->objectName().startsWith(QLatin1String("qt_")))
        return std::nullopt;
    if (pageControlOf(w))
        return ComponentKind::TabSheet;
    if (qobject_cast<const QCheckBox*>(w))
        return ComponentKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(w))
        return ComponentKind::RadioButton;
    if (qobject_cast<const QPushButton*>(w))
        return startsWithBitBtn(w) ? ComponentKind::BitmapButton : ComponentKind::Button;
    if (qobject_cast<const QToolButton*>(w))
        return startsWithBitBtn(w) ? ComponentKind::BitmapButton : ComponentKind::SpeedButton;
    if (qobject_cast<const QLabel*>(w))
        return ComponentKind::Label;
    if (qobject_cast<const QGroupBox*>(w))
        return w->objectName().startsWith(QLatin1String("RadioGroup")) ? ComponentKind::RadioGroup
                                                                       : ComponentKind::Panel;
    if (qobject_cast<const QAbstractSpinBox*>(w))
        return ComponentKind::EditField;
    if (qobject_cast<const QLineEdit*>(w))
        return ComponentKind::EditField;
    return std::nullopt;
}

// Widgets whose children are Qt's own parts (the line edit of a spin field, the buttons of
// a tab bar) or are walked another way (the menu bar).
bool isComposite(const QWidget* w) {
    return qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QGraphicsView*>(w) ||
           qobject_cast<const QMenuBar*>(w) || qobject_cast<const QCalendarWidget*>(w);
}

class Walk {
public:
    explicit Walk(std::vector<WalkedComponent>& out) : out_(out) {}

    void window(QWidget* window) {
        window_ = window->objectName();
        out_.push_back({window, window_, ComponentKind::Window});
        if (auto* main = qobject_cast<QMainWindow*>(window))
            actions(main->menuBar()->actions());
        children(window);
    }

private:
    void actions(const QList<QAction*>& list) {
        for (QAction* action : list) {
            if (action->isSeparator())
                continue;
            out_.push_back({action, window_, ComponentKind::MenuItem});
            if (auto* menu = action->menu<QMenu*>())
                actions(menu->actions());
        }
    }

    void widget(QWidget* w) {
        if (const auto kind = kindOf(w))
            out_.push_back({w, window_, *kind});
        children(w);
    }

    void children(QWidget* parent) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            for (int i = 0; i < tabs->count(); ++i)
                widget(tabs->widget(i));
            return;
        }
        if (isComposite(parent))
            return;
        for (QObject* child : parent->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && !w->isWindow())
                widget(w);
        }
    }

    std::vector<WalkedComponent>& out_;
    QString window_;
};

void setCaption(const WalkedComponent& c, const QString& caption) {
    QObject* object = c.object;
    if (!object)
        return;
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(caption);
        return;
    }
    auto* w = static_cast<QWidget*>(object);
    switch (c.kind) {
    case ComponentKind::Window:
        w->setWindowTitle(caption);
        break;
    case ComponentKind::TabSheet:
        if (QTabWidget* tabs = pageControlOf(w))
            tabs->setTabText(tabs->indexOf(w), caption);
        break;
    case ComponentKind::Label:
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setTextFormat(Qt::PlainText); // a language file's text is never markup
            label->setText(caption);
        }
        break;
    case ComponentKind::Panel:
    case ComponentKind::RadioGroup:
        if (auto* box = qobject_cast<QGroupBox*>(w))
            box->setTitle(caption);
        break;
    case ComponentKind::EditField:
    case ComponentKind::MenuItem:
        break;
    default:
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(caption);
        break;
    }
}

void setHintOf(const WalkedComponent& c, const QString& hint) {
    QObject* object = c.object;
    if (auto* action = qobject_cast<QAction*>(object))
        action->setStatusTip(hint);
    else if (auto* w = qobject_cast<QWidget*>(object))
        setPlainHint(w, hint);
}

} // namespace

std::vector<WalkedComponent> walkComponents(const std::vector<QWidget*>& windows) {
    std::vector<WalkedComponent> components;
    Walk walk(components);
    for (QWidget* window : windows)
        walk.window(window);
    return components;
}

void markProgramText(QWidget* widget) {
    widget->setProperty(kProgramTextProperty, true);
}

QString captionOf(const WalkedComponent& c) {
    QObject* object = c.object;
    if (!object)
        return {};
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    auto* w = static_cast<QWidget*>(object);
    switch (c.kind) {
    case ComponentKind::Window:
        return w->windowTitle();
    case ComponentKind::TabSheet: {
        QTabWidget* tabs = pageControlOf(w);
        return tabs ? tabs->tabText(tabs->indexOf(w)) : QString();
    }
    case ComponentKind::EditField:
        return {};
    default:
        break;
    }
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

QString hintOf(const WalkedComponent& c) {
    QObject* object = c.object;
    if (auto* action = qobject_cast<QAction*>(object))
        return action->statusTip();
    if (auto* w = qobject_cast<QWidget*>(object))
        return hintText(w);
    return {};
}

int charsetOf(const WalkedComponent& c) {
    const QObject* object = c.object;
    const QVariant charset = object ? object->property(kCharsetProperty) : QVariant();
    return charset.isValid() ? charset.toInt() : kDefaultCharset;
}

std::vector<ComponentListing> listComponents(const std::vector<WalkedComponent>& components) {
    std::vector<ComponentListing> listing;
    for (const WalkedComponent& c : components) {
        const QString caption = captionOf(c);
        const QString hint = hintOf(c);
        if (!c.object || (caption.isEmpty() && hint.isEmpty()))
            continue;
        listing.push_back({{c.window.toStdString(), c.object->objectName().toStdString(),
                            caption.toStdString(), hint.toStdString(), charsetOf(c)},
                           c.kind});
    }
    return listing;
}

std::vector<LanguageComponent> languageComponents(const std::vector<WalkedComponent>& components,
                                                  Workspace& ws) {
    std::vector<LanguageComponent> result;
    for (const WalkedComponent& c : components) {
        if (!c.object)
            continue;
        LanguageComponent lc;
        lc.window = c.window.toStdString();
        lc.name = c.object->objectName().toStdString();
        lc.kind = c.kind;
        if (lc.window == kMainWindowName && lc.name == kStartButtonName)
            lc.setCaption = [&ws](const std::string& caption) {
                setStartButtonCaption(ws, caption);
            };
        else
            lc.setCaption = [c](const std::string& caption) { setCaption(c, qs(caption)); };
        lc.setHint = [c](const std::string& hint) { setHintOf(c, qs(hint)); };
        lc.setCharset = [c](int charset) {
            if (QObject* object = c.object)
                object->setProperty(kCharsetProperty, charset);
        };
        result.push_back(std::move(lc));
    }
    return result;
}

} // namespace kav::gui
