// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShippedFiles.h"

#include "base/AtomicFile.h"
#include "base/IoError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <optional>

namespace kav::platform {
namespace {

using Record = std::map<QString, QByteArray>; // relative path -> SHA-256 (hex)

std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// "<sum>  <relative path>" lines; anything else is ignored, so a damaged record only costs
// the updates of the files it no longer names.
Record readRecord(const QString& path) {
    Record record;
    const auto text = readAll(path);
    if (!text)
        return record;
    for (const QByteArray& line : text->split('\n')) {
        const qsizetype gap = line.indexOf("  ");
        if (gap == 64 && line.size() > gap + 2)
            record[QString::fromUtf8(line.mid(gap + 2))] = line.left(gap);
    }
    return record;
}

QByteArray recordText(const Record& record) {
    QByteArray text;
    for (const auto& [path, sum] : record)
        text += sum + "  " + path.toUtf8() + '\n';
    return text;
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    try {
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeFileAtomically(
            std::filesystem::path(path.toStdString()),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const IoError&) {
        return false;
    }
}

} // namespace

ShippedFilesRefresh refreshShippedFiles(const QString& shippedDir, const QString& programDir) {
    ShippedFilesRefresh result;
    const QDir shipped(shippedDir);
    const QDir program(programDir);
    const QString recordPath = program.filePath(kShippedFilesRecord);
    const Record before = readRecord(recordPath);
    Record after;

    QDirIterator files(shippedDir, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString name = shipped.relativeFilePath(source);
        const QString target = program.filePath(name);
        const auto bytes = readAll(source);
        if (!bytes) {
            ++result.failed;
            continue;
        }
        const QByteArray sum = sha256(*bytes);
        const auto earlier = before.find(name);
        if (!QFileInfo::exists(target)) {
            if (writeAtomically(target, *bytes)) {
                after[name] = sum;
                ++result.copied;
            } else {
                ++result.failed;
            }
            continue;
        }
        const auto present = readAll(target);
        if (!present) {
            ++result.failed;
            continue;
        }
        const QByteArray presentSum = sha256(*present);
        if (presentSum == sum) {
            after[name] = sum; // up to date (or the same file from before the record)
        } else if (earlier != before.end() && presentSum == earlier->second) {
            if (writeAtomically(target, *bytes)) {
                after[name] = sum;
                ++result.updated;
            } else {
                after[name] = earlier->second;
                ++result.failed;
            }
        } else {
            // The user's own version: keep it, and what was shipped before, so it is never
            // taken for an untouched copy.
            if (earlier != before.end())
                after[name] = earlier->second;
            ++result.kept;
        }
    }
    if (after != before)
        writeAtomically(recordPath, recordText(after));
    return result;
}

} // namespace kav::platform
