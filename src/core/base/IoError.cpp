// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IoError.h"

#include <cerrno>
#include <cstring>

namespace kav {
namespace {

// Why a file operation failed, in the program's language: the C library words its reasons
// in the language of the process's locale, which is English for most users' programs.
const char* reasonText(int errnum) {
    switch (errnum) {
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case ENOSPC:
        return "Kein Speicherplatz mehr auf dem Gerät";
    case EDQUOT:
        return "Speicherkontingent überschritten";
    case EROFS:
        return "Das Dateisystem ist nur lesbar";
    case EISDIR:
        return "Das ist ein Verzeichnis";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Verzeichnis";
    case EEXIST:
        return "Die Datei ist schon vorhanden";
    case ENOTEMPTY:
        return "Das Verzeichnis ist nicht leer";
    case EIO:
        return "Ein-/Ausgabefehler des Geräts";
    case EMFILE:
    case ENFILE:
        return "Zu viele offene Dateien";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang";
    case EBADF:
        return "Die Datei ist nicht geöffnet";
    case EBUSY:
        return "Gerät oder Datei ist belegt";
    case EXDEV:
        return "Umbenennen über Dateisystemgrenzen hinweg ist nicht möglich";
    case EFBIG:
        return "Die Datei ist zu groß";
    case ELOOP:
        return "Zu viele Ebenen symbolischer Verknüpfungen";
    default:
        return nullptr;
    }
}

} // namespace

std::string ioReasonText(int errnum) {
    if (const char* reason = reasonText(errnum))
        return reason;
    return "Systemfehler " + std::to_string(errnum) + " (" + std::strerror(errnum) + ")";
}

std::string ioErrorText(const std::string& action, const std::filesystem::path& path, int errnum) {
    std::string text = "E/A-Fehler beim " + action + " von \"" + path.string() + "\"";
    if (errnum == 0)
        return text;
    return text + ": " + ioReasonText(errnum);
}

} // namespace kav
