// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace kav::platform {
namespace {

QPointer<QTranslator> installedTranslator;

} // namespace

QLocale localeOfLanguage(const QString& code) {
    // The language files' codes that are not the language's ISO code.
    static const std::pair<const char*, const char*> kOwnCodes[] = {
        {"cz", "cs"}, {"slo", "sk"}, {"gr", "el"}, {"se", "sv"}, {"nor", "nb"}, {"dae", "da"},
    };
    for (const auto& [own, iso] : kOwnCodes)
        if (code == QLatin1String(own))
            return QLocale(QString::fromLatin1(iso));
    return QLocale(code);
}

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool installQtTranslations(const QString& code) {
    const QLocale locale = localeOfLanguage(code);
    QLocale::setDefault(locale);
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

} // namespace kav::platform
