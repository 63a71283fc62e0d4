// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainText.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTabBar>
#include <QTextDocument>
#include <QToolTip>

namespace kav::gui {

QString plainToolTip(const QString& text) {
    // Escaped and kept in one paragraph with its own line breaks: rich text that shows
    // exactly the characters of `text`, whatever they look like.
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

void showPlainToolTip(const QPoint& globalPos, const QString& text, QWidget* widget) {
    QToolTip::showText(globalPos, plainToolTip(text), widget);
}

void PlainTextGuard::install() {
    if (qApp->findChild<PlainTextGuard*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new PlainTextGuard(qApp));
}

bool PlainTextGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        if (auto* label = qobject_cast<QLabel*>(watched))
            label->setTextFormat(Qt::PlainText);
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
