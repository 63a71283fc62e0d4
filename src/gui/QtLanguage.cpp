// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <memory>

namespace kav::gui {
namespace {

QPointer<QTranslator> installedTranslator;

// The language files' codes that are not the language's ISO code.
QString isoLanguage(const QString& code) {
    static const std::pair<const char*, const char*> kOwnCodes[] = {
        {"cz", "cs"}, {"slo", "sk"}, {"gr", "el"}, {"se", "sv"}, {"nor", "nb"}, {"dae", "da"},
    };
    for (const auto& [own, iso] : kOwnCodes)
        if (code == QLatin1String(own))
            return QString::fromLatin1(iso);
    return code;
}

} // namespace

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool applyQtLanguage(const QString& code) {
    // Windows pass their locale on to their widgets; the calendars of the date pickers are
    // windows of their own.
    const QLocale locale(isoLanguage(code));
    QLocale::setDefault(locale);
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setLocale(locale);

    // Debian ships most languages as "qtbase_xx"; a few only in the older whole catalogue
    // "qt_xx".
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    const QString folder = qtTranslationsFolder();
    // Qt has no Norwegian Bokmål catalogue; Nynorsk reads far closer to it than English.
    const bool loaded =
        translator->load(locale, "qtbase", "_", folder) ||
        translator->load(locale, "qt", "_", folder) ||
        (locale.language() == QLocale::NorwegianBokmal && translator->load("qtbase_nn", folder));
    if (installedTranslator) {
        QCoreApplication::removeTranslator(installedTranslator);
        delete installedTranslator;
    }
    if (loaded) {
        installedTranslator = translator.release();
        QCoreApplication::installTranslator(installedTranslator);
    }
    return loaded;
}

} // namespace kav::gui
