// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kav::gui {

// Qt's own texts (file dialogs, message box buttons, the date pickers' calendars, the
// command line help) in the program's language: loads Qt's catalogue for `code` ("de",
// "en", "fr", ... as the language files name them: "cz" is Czech, "slo" Slovak, "gr" Greek,
// "se" Swedish, "nor" Norwegian, "dae" Danish) in place of the one loaded before, and
// gives every window, so the date pickers and their calendars, and every window created
// afterwards that language's locale (month and day names). Call it again when the user switches the
// language. Returns false when Qt has no catalogue for the language; Qt's English texts then show.
bool applyQtLanguage(const QString& code);

} // namespace kav::gui
