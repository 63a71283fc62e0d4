// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoZahlen.h"
#include "ProgramLocations.h"
#include "QtLanguage.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmors Quotenfuchs Kavanto");
    QApplication::setApplicationVersion(KAVANTO_VERSION);
    // Qt's texts of the command line help in the program's language too.
    kav::gui::applyQtLanguage(QStringLiteral("de"));

    QCommandLineParser parser;
    parser.setApplicationDescription("Velmors Quotenfuchs für Kavanto");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir("data-dir", "Programmordner (Ziehungsdatei, land/, Script/).",
                                     "ORDNER");
    const QCommandLineOption settings("settings", "Einstellungsdatei.", "DATEI");
    parser.addOption(dataDir);
    parser.addOption(settings);
    parser.process(app);

    kav::gui::StartParameters start;
    start.programFolder = kav::platform::programFolder(parser.value(dataDir));
    start.settingsFile = kav::platform::settingsFile(parser.value(settings));
    start.today = kav::platform::systemToday;
    start.randomSeed = kav::platform::clockSeed();
    kav::gui::TForm1 window(std::move(start));
    window.workspace().shortDayNames = kav::platform::systemShortDayNames();
    window.startUp();
    window.show();
    return QApplication::exec();
}
