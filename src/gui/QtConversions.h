// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtText.h"
#include "base/DayCount.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QTextDocument>
#include <QVariant>
#include <QWidget>
#include <string>

namespace kav::gui {

inline QDate toQDate(DayCount days) {
    const CivilDate c = civilFromDayCount(days);
    return QDate(c.year, c.month, c.day);
}

inline DayCount fromQDate(const QDate& date) {
    return dayCountFromCivil({date.year(), date.month(), date.day()});
}

// Sets a widget's hint: shown as its tooltip and, on hover, in status panel 1.
template <typename Widget> void setHint(Widget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setProperty("kavantoHint", true);
}

// Sets a hint that comes from outside the program (a language file) as plain text: Qt would
// render a tooltip that looks like markup as markup. hintText() gives the text back.
inline void setPlainHint(QWidget* widget, const QString& hint) {
    const bool looksLikeMarkup = Qt::mightBeRichText(hint);
    widget->setProperty("kavantoHintText", looksLikeMarkup ? QVariant(hint) : QVariant());
    widget->setToolTip(looksLikeMarkup
                           ? "<p style='white-space:pre-wrap'>" + hint.toHtmlEscaped() + "</p>"
                           : hint);
}

// A widget's hint as plain text.
inline QString hintText(const QWidget* widget) {
    const QVariant plain = widget->property("kavantoHintText");
    return plain.isValid() ? plain.toString() : widget->toolTip();
}

// A button with its design name, caption and hint.
template <typename Button>
Button* makeButton(const QString& name, const QString& caption, const QString& hint) {
    auto* b = new Button;
    b->setObjectName(name);
    b->setText(caption);
    setHint(b, hint);
    return b;
}

} // namespace kav::gui
