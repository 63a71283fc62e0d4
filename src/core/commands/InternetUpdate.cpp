// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/InternetUpdate.h"

#include "base/AtomicFile.h"
#include "base/FileLayer.h"
#include "base/IntegerText.h"
#include "base/Windows1252.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/SheetEvaluation.h"
#include "draws/DrawServiceProtocol.h"

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
    explicit RunningUpdate(RunState& run) : run_(run) {
        run_.updateRunning = true;
        run_.updateStopShown = true;
    }
    ~RunningUpdate() {
        run_.updateRunning = false;
        run_.updateStopShown = false;
    }
    RunningUpdate(const RunningUpdate&) = delete;
    RunningUpdate& operator=(const RunningUpdate&) = delete;

private:
    RunState& run_;
};

std::string serviceAddress(const Options& options, const UpdateParameters& parameters) {
    const std::string& text =
        parameters.serviceUrl.empty() ? options.drawServiceUrl : parameters.serviceUrl;
    const auto address = normaliseServiceAddress(text);
    if (!address)
        throw std::runtime_error("Die Adresse des Ziehungsdienstes \"" + text +
                                 "\" ist ungültig. Erwartet wird eine Adresse wie " +
                                 kDefaultDrawServiceUrl +
                                 " (Seite \"Internet-Optionen\", Feld \"Ziehungsdienst\").");
    return *address;
}

// The request for one date, with the proxy fields as they read now.
HttpRequest requestFor(const Options& options, const std::string& address, DayCount date,
                       const UpdateParameters& parameters) {
    const auto port = parseInteger(options.proxyPort);
    const bool proxied = !options.proxyHost.empty();
    if (!port || (proxied && (*port < 1 || *port > 65535)))
        throw std::runtime_error("\"" + options.proxyPort +
                                 "\" ist kein gültiger Proxy-Port (eine ganze Zahl von 1 bis "
                                 "65535, Seite \"Internet-Optionen\"). Das Einlesen wurde "
                                 "beendet.");
    HttpRequest request;
    request.url = address + drawServiceTarget(date);
    request.headers = {{"Accept", kAccept}, {"User-Agent", kUserAgent}};
    request.proxyHost = options.proxyHost;
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
ServiceAnswer appendDrawLines(const ProgramContext& program, DrawWindow& drawWindow,
                              Presentation& view, DrawFile::Updater& file, DayCount date,
                              std::string_view body, UpdateResult& result) {
    ServiceAnswer answer = readServiceAnswer(body);
    for (const DrawLine& draw : answer.draws) {
        file.append(DrawRecord::make(static_cast<double>(date), draw.numbers, draw.key));
        ++result.added;
        drawWindow.current.date = static_cast<double>(date);
        view.drawCaption = view.shortDayNames[static_cast<std::size_t>(weekdayOf(date))] + " " +
                           formatCaptionDate(date) + "   ";
        program.ui.repaint();
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

UpdateResult updateDrawDatabase(ProgramContext& program, const Options& options, Ticket& ticket,
                                DrawWindow& drawWindow, RunState& run, Presentation& view,
                                HttpClient& client, const UpdateParameters& parameters) {
    UpdateResult result;
    if (run.updateRunning) {
        result.end = UpdateEnd::Busy;
        return result;
    }
    const std::string address = serviceAddress(options, parameters);
    {
        RunningUpdate running(run);
        DrawFile::Updater file(drawFileOf(program));
        // A date the picker refuses (before its minimum) leaves it where it stands.
        if (const auto last = file.lastRecord())
            drawWindow.endPicker.set(roundToDay(last->date));
        drawWindow.endPicker.set(nextRequestDate(drawWindow.endPicker.value));

        int unreachableInARow = 0;
        while (program.today() >= drawWindow.endPicker.value && run.updateStopShown) {
            const DayCount date = drawWindow.endPicker.value;
            const HttpRequest request = requestFor(options, address, date, parameters);
            view.status.panel0 = "Loading";
            result.requested.push_back(date);
            if (parameters.beforeRequest)
                parameters.beforeRequest(date);

            const HttpResponse response = client.get(request);
            view.status.panel0 = statusPanelText(response);
            view.status.panel1 = program.messages.line(msg::Disclaimer);
            if (response.failure == HttpResponse::Failure::Cancelled) {
                result.end = UpdateEnd::Stopped;
                break;
            }
            unreachableInARow = response.unreachable() ? unreachableInARow + 1 : 0;
            // An error status, a redirect loop or an oversized answer yields no draw.
            if (!response.failed() && response.statusCode < 400) {
                run.responseBuffer = response.body;
                if (appendDrawLines(program, drawWindow, view, file, date, response.body, result)
                        .message) {
                    result.message = fromWindows1252(response.body);
                    result.end = UpdateEnd::Message;
                    program.ui.showMessage(*result.message, "");
                    break;
                }
            }
            if (unreachableInARow >= parameters.unreachableLimit) {
                result.end = UpdateEnd::Unreachable;
                program.ui.showMessage(unreachableText(address, unreachableInARow),
                                       "Ziehungsdienst nicht erreichbar");
                break;
            }
            drawWindow.endPicker.set(nextRequestDate(date));
            program.ui.processPendingInput();
        }
        if (result.end == UpdateEnd::PassedToday && program.today() >= drawWindow.endPicker.value)
            result.end = UpdateEnd::Stopped;
        file.close();
    }
    view.tipDrawCaption = view.drawCaption;
    SpeedButton5Click(program, ticket, drawWindow, view);
    Komplettcheck(program, ticket, drawWindow);
    return result;
}

void rebuildDrawDatabase(ProgramContext& program, Ticket& ticket, DrawWindow& drawWindow,
                         const RunState& run, Presentation& view) {
    if (run.updateRunning)
        return;
    const std::string question = program.messages.line(msg::RebuildFrom) +
                                 formatShortDate(drawWindow.endPicker.value) +
                                 program.messages.line(msg::RebuildQuestion);
    if (!program.ui.askYesNo(question, program.messages.line(msg::RebuildCaption)))
        return;

    const DrawFile file = drawFileOf(program);
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
        if (program.internetUpdate)
            program.internetUpdate();
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
    program.ui.showMessage("Es wurde keine Ziehung geladen. Die bisherigen Ziehungsdaten wurden "
                           "wiederhergestellt.",
                           program.messages.line(msg::RebuildCaption));
    SpeedButton5Click(program, ticket, drawWindow, view);
}

void refuseWhileUpdating(const RunState& run) {
    if (run.updateRunning)
        throw std::runtime_error("Die Ziehungsdaten werden gerade aus dem Internet geladen. "
                                 "Warten Sie, bis das Einlesen fertig ist, oder stoppen Sie es.");
}

} // namespace kav
