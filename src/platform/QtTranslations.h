// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace kav::platform {

// The locale of a language as the language files name it ("de", "en", "fr", ...; "cz" is
// Czech, "slo" Slovak, "gr" Greek, "se" Swedish, "nor" Norwegian, "dae" Danish).
QLocale localeOfLanguage(const QString& code);

// Qt's own texts (message box buttons, file dialogs, the command line parser's messages and
// help) and the default locale in that language: loads Qt's catalogue for `code` in place of
// the one loaded before. Returns false when Qt has no catalogue for the language; Qt's
// English texts then show.
bool installQtTranslations(const QString& code);

// The folder of Qt's catalogues (Debian: qt6-translations-l10n).
QString qtTranslationsFolder();

} // namespace kav::platform
