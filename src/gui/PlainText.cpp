// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainText.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTextDocument>
#include <QToolTip>

namespace kav::gui {

namespace {

void makePlain(QObject* object) {
    // The tooltip's own label is left as it is: it shows the escaped form of the plain
    // tooltips below, which must be read as rich text.
    if (auto* label = qobject_cast<QLabel*>(object); label && !label->inherits("QTipLabel"))
        label->setTextFormat(Qt::PlainText);
}

} // namespace

QString plainToolTip(const QString& text) {
    // Escaped, its line breaks kept: rich text that shows exactly the characters of
    // `text`, whatever they look like, and still wraps a long hint between its words.
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

void showPlainToolTip(const QPoint& globalPos, const QString& text, QWidget* widget) {
    QToolTip::showText(globalPos, plainToolTip(text), widget);
}

void PlainTextGuard::install() {
    // Once per application; the guard dies with it, and a later application gets its own.
    static QPointer<PlainTextGuard> installed;
    if (installed)
        return;
    installed = new PlainTextGuard(qApp);
    qApp->installEventFilter(installed);
    // Labels polished before the guard came (a page that measured itself while the window
    // was being built) are set now.
    for (QWidget* widget : QApplication::allWidgets())
        makePlain(widget);
}

bool PlainTextGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        makePlain(watched);
        return false;
    }
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    QString text = widget->toolTip();
    if (const auto* tabs = qobject_cast<QTabBar*>(widget)) {
        const int tab = tabs->tabAt(help->pos());
        text = tab >= 0 ? tabs->tabToolTip(tab) : QString();
    }
    if (text.isEmpty())
        return false; // the parent's tooltip, if any, comes next
    showPlainToolTip(help->globalPos(), text, widget);
    return true;
}

} // namespace kav::gui
