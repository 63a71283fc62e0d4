// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramLocations.h"

#include "base/AtomicFile.h"
#include "base/IoError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
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

bool executableFolderServes(const QString& dir) {
    const QDir folder(dir);
    if (folder.exists("land") || folder.exists("ZahlenKav.dat"))
        return true;
    const QFileInfo info(dir);
    const bool systemFolder = dir.startsWith("/usr") || dir.startsWith("/opt");
    return info.isWritable() && !systemFolder;
}

// Copies every file of `source` and its subfolders that `target` does not have yet.
void copyMissingFiles(const QDir& source, const QString& targetDir) {
    QDir().mkpath(targetDir);
    const QDir target(targetDir);
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        if (target.exists(file.fileName()))
            continue;
        // Through the safe-write path: a copy cut off by a kill or a full disk never
        // leaves a torn file that, being there, would never be copied again.
        QFile in(file.absoluteFilePath());
        if (!in.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = in.readAll();
        try {
            writeFileAtomically(
                target.filePath(file.fileName()).toStdString(),
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        } catch (const IoError&) {
            // A shipped file that cannot be copied is missed like one never shipped; the
            // next start tries again.
        }
    }
    for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyMissingFiles(QDir(source.filePath(sub)), target.filePath(sub));
}

// An installed program keeps the files it ships (the sound, the click-script templates in
// "Script", later the language files) in <prefix>/share/kavanto; a per-user program folder
// receives a copy of each one it does not have yet, so the user's own changes are never
// overwritten.
void copyShippedFiles(const QString& programDir) {
    const QDir shipped(QCoreApplication::applicationDirPath() + "/../share/kavanto");
    if (shipped.exists())
        copyMissingFiles(shipped, programDir);
}

} // namespace

std::filesystem::path programFolder(const QString& explicitDir) {
    if (!explicitDir.isEmpty())
        return ensureFolder(explicitDir);
    const QString fromEnv = qEnvironmentVariable("KAVANTO_DATA_DIR");
    if (!fromEnv.isEmpty())
        return ensureFolder(fromEnv);
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && executableFolderServes(exeDir))
        return ensureFolder(exeDir);
    const QString userDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Velmor/Kavanto";
    std::filesystem::path folder = ensureFolder(userDir);
    copyShippedFiles(userDir);
    return folder;
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
