// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramLocations.h"
#include "ShippedFiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <chrono>

namespace kav::platform {
namespace {

std::filesystem::path ensureFolder(const QString& dir) {
    QDir().mkpath(dir);
    return std::filesystem::path(QDir(dir).absolutePath().toStdString());
}

bool holdsProgramFiles(const QString& dir) {
    const QDir folder(dir);
    return folder.exists("land") || folder.exists("ZahlenKav.dat");
}

bool mayHoldProgramFiles(const QString& dir) {
    const bool systemFolder = dir.startsWith("/usr") || dir.startsWith("/opt");
    return QFileInfo(dir).isWritable() && !systemFolder;
}

// Every program folder receives the files the program ships, so a language, the sound and
// the click-script template work wherever the program keeps its files.
std::filesystem::path withShippedFiles(const QString& dir, const QString& shippedDir) {
    std::filesystem::path folder = ensureFolder(dir);
    if (!shippedDir.isEmpty() &&
        QFileInfo(shippedDir).canonicalFilePath() != QFileInfo(dir).canonicalFilePath())
        refreshShippedFiles(shippedDir, dir);
    return folder;
}

} // namespace

std::filesystem::path chooseProgramFolder(const ProgramFolderChoice& c) {
    if (!c.explicitDir.isEmpty())
        return withShippedFiles(c.explicitDir, c.shippedDir);
    if (!c.environmentDir.isEmpty())
        return withShippedFiles(c.environmentDir, c.shippedDir);
    if (!c.executableDir.isEmpty()) {
        // A build folder or a folder the user unpacked the program into holds its files; an
        // installed program keeps the user's files apart from the installation, even when
        // it is installed below the home folder (~/.local/bin).
        if (holdsProgramFiles(c.executableDir) ||
            (!c.installed && mayHoldProgramFiles(c.executableDir)))
            return withShippedFiles(c.executableDir, c.shippedDir);
    }
    return withShippedFiles(c.userDir, c.shippedDir);
}

std::filesystem::path programFolder(const QString& explicitDir) {
    ProgramFolderChoice choice;
    choice.explicitDir = explicitDir;
    choice.environmentDir = qEnvironmentVariable("KAVANTO_DATA_DIR");
    choice.executableDir = QCoreApplication::applicationDirPath();
    // The shipped files lie at a fixed place relative to the program's own folder
    // (<prefix>/bin -> <prefix>/share/kavanto, from GNUInstallDirs); a build keeps its copy
    // at the same place. An unpacked copy without them carries them beside itself.
    if (!choice.executableDir.isEmpty()) {
        const QFileInfo shipped(choice.executableDir + "/" KAVANTO_SHIPPED_FILES);
        if (shipped.isDir()) {
            choice.shippedDir = shipped.canonicalFilePath();
            choice.installed =
                choice.shippedDir != QFileInfo(KAVANTO_BUILD_SHIPPED_FILES).canonicalFilePath();
        } else if (QFileInfo(choice.executableDir + "/land").isDir()) {
            choice.shippedDir = choice.executableDir;
        }
    }
    choice.userDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Velmor/Kavanto";
    return chooseProgramFolder(choice);
}

std::filesystem::path settingsFile(const QString& explicitFile) {
    QString file = explicitFile;
    if (file.isEmpty())
        file = qEnvironmentVariable("KAVANTO_SETTINGS");
    if (file.isEmpty())
        file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/Velmor/Kavanto.conf";
    return std::filesystem::path(QFileInfo(file).absoluteFilePath().toStdString());
}

std::filesystem::path klickwerkSettingsFile(const std::filesystem::path& settingsFile) {
    return settingsFile.parent_path() / "Klickwerk.conf";
}

DayCount systemToday() {
    const QDate today = QDate::currentDate();
    return dayCountFromCivil({today.year(), today.month(), today.day()});
}

std::uint32_t clockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

std::array<std::string, 7> systemShortDayNames() {
    const QLocale locale = QLocale::system();
    std::array<std::string, 7> names;
    for (int i = 0; i < 7; ++i) { // Qt counts Monday = 1 .. Sunday = 7
        QString name = locale.dayName(i == 0 ? 7 : i, QLocale::ShortFormat);
        if (name.endsWith('.')) // German abbreviations carry a full stop ("So."); captions don't
            name.chop(1);
        names[static_cast<std::size_t>(i)] = name.toStdString();
    }
    return names;
}

} // namespace kav::platform
