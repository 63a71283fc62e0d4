// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace kav::platform {

bool startDetached(const std::filesystem::path& program,
                   const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program.string()), list);
}

void openWithDefaultProgram(const std::string& pathOrUrl) {
    const QString target = QString::fromStdString(pathOrUrl);
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

} // namespace kav::platform
