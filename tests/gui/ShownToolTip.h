// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLabel>
#include <QTextDocumentFragment>
#include <QToolTip>

namespace kav::test {

// The characters the open tooltip shows, read from its label as the label renders them:
// as they are when it shows plain text, the rendered text of markup otherwise.
inline QString shownToolTip() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* label = qobject_cast<QLabel*>(top);
        if (!label || !label->inherits("QTipLabel") || label->text() != QToolTip::text())
            continue;
        const bool rich =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        return rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
    }
    return QToolTip::text(); // none open
}

} // namespace kav::test
