// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoZahlen.h"
#include "ProgramLocations.h"
#include "QtLanguage.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

namespace {

// The icon of the desktop entry, in every size it ships (built in from packaging/icons).
QIcon programIcon() {
    QIcon icon;
    for (const QFileInfo& size : QDir(":/icons/hicolor").entryInfoList(QDir::Dirs))
        icon.addFile(size.filePath() + "/apps/example.velmor.kavanto.png");
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmors Quotenfuchs Kavanto");
    QApplication::setApplicationVersion(KAVANTO_VERSION);
    // The desktop entry's name: docks and task bars show its icon and name for the window.
    QGuiApplication::setDesktopFileName("example.velmor.kavanto");
    QApplication::setWindowIcon(programIcon());
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
    window.workspace().view.shortDayNames = kav::platform::systemShortDayNames();
    // Ending the session or `kill` closes the window as its close box does, which saves
    // the settings; a signal during the start-up ends the program once that is done.
    bool ending = false;
    kav::platform::onTerminationSignal(&app, [&] {
        ending = true;
        window.close();
        QCoreApplication::exit(0);
    });
    window.startUp();
    if (ending)
        return 0;
    window.show();
    return QApplication::exec();
}
