// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/InternetUpdate.h"

#include "app/Workspace.h"
#include "base/AtomicFile.h"
#include "base/FileLayer.h"
#include "base/IntegerText.h"
#include "base/Windows1252.h"
#include "draws/DrawServiceProtocol.h"
#include "evaluation/DrawSelection.h"
#include "evaluation/HitEvaluation.h"

#include <stdexcept>

namespace kav {
namespace {

constexpr const char* kAccept = "text/html, */*";
constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
constexpr int kMaxRedirects = 15;

// While the update runs: its buttons disabled and the stop button shown; both go back
// however the update ends, an error included.
class RunningUpdate {
public:
    explicit RunningUpdate(Workspace& ws) : ws_(ws) {
        ws_.updateRunning = true;
        ws_.updateStopShown = true;
    }
    ~RunningUpdate() {
        ws_.updateRunning = false;
        ws_.updateStopShown = false;
    }
    RunningUpdate(const RunningUpdate&) = delete;
    RunningUpdate& operator=(const RunningUpdate&) = delete;

private:
    Workspace& ws_;
};

std::string serviceAddress(const Workspace& ws, const UpdateParameters& parameters) {
    const std::string& text =
        parameters.serviceUrl.empty() ? ws.options.drawServiceUrl : parameters.serviceUrl;
    const auto address = normaliseServiceAddress(text);
    if (!address)
        throw std::runtime_error("Die Adresse des Ziehungsdienstes \"" + text +
                                 "\" ist ungültig. Erwartet wird eine Adresse wie " +
                                 kDefaultDrawServiceUrl +
                                 " (Seite \"Internet-Optionen\", Feld \"Ziehungsdienst\").");
    return *address;
}

// The request for one date, with the proxy fields as they read now.
HttpRequest requestFor(const Workspace& ws, const std::string& address, DayCount date,
                       const UpdateParameters& parameters) {
    const auto port = parseInteger(ws.options.proxyPort);
    const bool proxied = !ws.options.proxyHost.empty();
    if (!port || (proxied && (*port < 1 || *port > 65535)))
        throw std::runtime_error("\"" + ws.options.proxyPort +
                                 "\" ist kein gültiger Proxy-Port (eine ganze Zahl von 1 bis "
                                 "65535, Seite \"Internet-Optionen\"). Das Einlesen wurde "
                                 "beendet.");
    HttpRequest request;
    request.url = address + drawServiceTarget(date);
    request.headers = {{"Accept", kAccept}, {"User-Agent", kUserAgent}};
    request.proxyHost = ws.options.proxyHost;
    request.proxyPort = *port;
    request.timeoutMs = parameters.timeoutMs;
    request.maxRedirects = kMaxRedirects;
    request.maxBodyBytes = parameters.maxBodyBytes;
    return request;
}

// Status panel 0 after a request: the status line's text, or what went wrong.
std::string statusPanelText(const HttpResponse& response) {
    using F = HttpResponse::Failure;
    switch (response.failure) {
    case F::None:
        break;
    case F::Connection:
        return "Keine Verbindung";
    case F::Timeout:
        return "Zeitüberschreitung";
    case F::TooManyRedirects:
        return "Zu viele Umleitungen";
    case F::TooLarge:
        return "Antwort zu groß";
    case F::Cancelled:
        return "Abgebrochen";
    case F::Other:
        return response.statusText.empty() ? "Übertragungsfehler" : response.statusText;
    }
    return response.statusText.empty() && response.statusCode > 0
               ? std::to_string(response.statusCode)
               : response.statusText;
}

// Appends one record per draw line of the answer for `date`, up to the first line that is
// not a draw line (the rest of the answer is skipped, records already appended stay).
ServiceAnswer appendDrawLines(Workspace& ws, DrawFile::Updater& file, DayCount date,
                              std::string_view body, UpdateResult& result) {
    ServiceAnswer answer = readServiceAnswer(body);
    for (const DrawLine& draw : answer.draws) {
        file.append(DrawRecord::make(static_cast<double>(date), draw.numbers, draw.key));
        ++result.added;
        ws.current.date = static_cast<double>(date);
        ws.drawCaption = ws.shortDayNames[static_cast<std::size_t>(weekdayOf(date))] + " " +
                         formatCaptionDate(date) + "   ";
        ws.ui.repaint();
    }
    return answer;
}

std::string unreachableText(const std::string& address, int failures) {
    return "Der Ziehungsdienst unter " + address + " antwortet nicht (" + std::to_string(failures) +
           "-mal hintereinander keine Verbindung). Das Einlesen wurde beendet; die bis jetzt "
           "geladenen Ziehungen bleiben gespeichert.\n\n"
           "So kommen Sie zu den Ziehungen:\n"
           "- Ziehungen aus einer CSV-Datei importieren: Seite \"Datenbank\", \"CSV "
           "importieren...\" (oder kavanto-cli import DATEI).\n"
           "- Den Ziehungsdienst starten: kavanto-drawservice --csv DATEI (oder --demo für "
           "eine erfundene Probe-Historie) und seine Adresse auf der Seite "
           "\"Internet-Optionen\" eintragen, dann erneut aktualisieren.";
}

bool holdsADraw(const DrawFile& file) {
    return file.state() == DrawFileState::HoldsDraws;
}

} // namespace

UpdateResult updateDrawDatabase(Workspace& ws, HttpClient& client,
                                const UpdateParameters& parameters) {
    UpdateResult result;
    if (ws.updateRunning) {
        result.end = UpdateEnd::Busy;
        return result;
    }
    const std::string address = serviceAddress(ws, parameters);
    {
        RunningUpdate running(ws);
        DrawFile::Updater file(ws.drawFile());
        // A date the picker refuses (before its minimum) leaves it where it stands.
        if (const auto last = file.lastRecord())
            ws.endPicker.set(roundToDay(last->date));
        ws.endPicker.set(nextRequestDate(ws.endPicker.value));

        int unreachableInARow = 0;
        while (ws.today() >= ws.endPicker.value && ws.updateStopShown) {
            const DayCount date = ws.endPicker.value;
            const HttpRequest request = requestFor(ws, address, date, parameters);
            ws.status.panel0 = "Loading";
            result.requested.push_back(date);
            if (parameters.beforeRequest)
                parameters.beforeRequest(date);

            const HttpResponse response = client.get(request);
            ws.status.panel0 = statusPanelText(response);
            ws.status.panel1 = ws.messages.line(msg::Disclaimer);
            if (response.failure == HttpResponse::Failure::Cancelled) {
                result.end = UpdateEnd::Stopped;
                break;
            }
            unreachableInARow = response.unreachable() ? unreachableInARow + 1 : 0;
            // An error status, a redirect loop or an oversized answer yields no draw.
            if (!response.failed() && response.statusCode < 400) {
                ws.responseBuffer = response.body;
                if (appendDrawLines(ws, file, date, response.body, result).message) {
                    result.message = fromWindows1252(response.body);
                    result.end = UpdateEnd::Message;
                    ws.ui.showMessage(*result.message, "");
                    break;
                }
            }
            if (unreachableInARow >= parameters.unreachableLimit) {
                result.end = UpdateEnd::Unreachable;
                ws.ui.showMessage(unreachableText(address, unreachableInARow),
                                  "Ziehungsdienst nicht erreichbar");
                break;
            }
            ws.endPicker.set(nextRequestDate(date));
            ws.ui.processPendingInput();
        }
        if (result.end == UpdateEnd::PassedToday && ws.today() >= ws.endPicker.value)
            result.end = UpdateEnd::Stopped;
        file.close();
    }
    ws.tipDrawCaption = ws.drawCaption;
    SpeedButton5Click(ws);
    Komplettcheck(ws);
    return result;
}

void installInternetUpdate(Workspace& ws, HttpClient& client, UpdateParameters parameters) {
    ws.internetUpdate = [&client, parameters = std::move(parameters)](Workspace& w) {
        updateDrawDatabase(w, client, parameters);
    };
}

void rebuildDrawDatabase(Workspace& ws) {
    if (ws.updateRunning)
        return;
    const std::string question =
        ws.messages.line(3) + formatShortDate(ws.endPicker.value) + ws.messages.line(4);
    if (!ws.ui.askYesNo(question, ws.messages.line(5)))
        return;

    const DrawFile file = ws.drawFile();
    // Held through the whole rebuild: the update inside takes it again, and no other
    // writer sees the file between the backup and the new draws.
    const FileLock lock = file.lock();
    const std::filesystem::path backup = file.folder() / kRebuildBackupName;
    const bool backedUp = file.exists();
    if (backedUp)
        renameDurably(file.path(), backup);
    const auto restoreBackup = [&] {
        try {
            renameDurably(backup, file.path());
        } catch (const IoError& e) {
            throw IoError(std::string(e.what()) + ". Die bisherigen Ziehungen liegen in " +
                          backup.string() + ".");
        }
    };
    try {
        if (ws.internetUpdate)
            ws.internetUpdate(ws);
    } catch (...) {
        if (backedUp && !holdsADraw(file))
            restoreBackup();
        throw;
    }
    if (!backedUp)
        return;
    if (holdsADraw(file)) {
        fileLayer().remove(backup);
        return;
    }
    restoreBackup();
    ws.ui.showMessage("Es wurde keine Ziehung geladen. Die bisherigen Ziehungsdaten wurden "
                      "wiederhergestellt.",
                      ws.messages.line(5));
    SpeedButton5Click(ws);
}

void refuseWhileUpdating(const Workspace& ws) {
    if (ws.updateRunning)
        throw std::runtime_error("Die Ziehungsdaten werden gerade aus dem Internet geladen. "
                                 "Warten Sie, bis das Einlesen fertig ist, oder stoppen Sie es.");
}

} // namespace kav
