// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QWidget;

namespace kav::gui {

// Texts from outside (a service's message or status line, the language files, a list's
// weights, a template name) reach labels, tooltips and message boxes. Qt takes any of
// these texts for markup when it merely looks like HTML, so a text "<img src=...>" would
// be rendered and could fetch or hide things. The window shows every text as it is.

// The tooltip form of a plain text: escaped, so Qt's markup detection shows it literally.
QString plainToolTip(const QString& text);
// QToolTip::showText for a plain text.
void showPlainToolTip(const QPoint& globalPos, const QString& text, QWidget* widget);

// Installed once on the application: every QLabel is polished to plain text (also those
// of Qt's own dialogs such as the input box, which show the program's prompts), and every
// widget's tooltip, a tab's included, is shown as plain text. Widgets keep their plain
// tooltips, so the status bar's hint and the language files work with the texts as they
// are.
class PlainTextGuard final : public QObject {
public:
    // Installs the guard on the application unless one is there already.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace kav::gui
