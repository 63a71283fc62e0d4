// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtLanguage.h"

#include "QtTranslations.h"

#include <QApplication>
#include <QWidget>

namespace kav::gui {

bool applyQtLanguage(const QString& code) {
    const bool loaded = platform::installQtTranslations(code);
    // Windows pass their locale on to their widgets; the calendars of the date pickers are
    // windows of their own.
    const QLocale locale = platform::localeOfLanguage(code);
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setLocale(locale);
    return loaded;
}

} // namespace kav::gui
