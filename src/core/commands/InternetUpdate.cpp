// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/InternetUpdate.h"

#include "base/AtomicFile.h"
#include "base/FileLayer.h"
#include "base/IntegerText.h"
#include "base/Windows1252.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/SheetEvaluation.h"
#include "draws/DrawDates.h"
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
    request.deadlineMs = parameters.deadlineMs;
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
void appendDraws(const ProgramContext& program, DrawWindow& drawWindow, Presentation& view,
                 DrawFile::Updater& file, DayCount date, const ServiceAnswer& answer,
                 UpdateResult& result) {
    for (const DrawLine& draw : answer.draws) {
        file.append(DrawRecord::make(static_cast<double>(date), draw.numbers, draw.key));
        ++result.added;
        drawWindow.current.date = static_cast<double>(date);
        view.drawCaption = view.shortDayNames[static_cast<std::size_t>(weekdayOf(date))] + " " +
                           formatCaptionDate(date) + "   ";
        program.ui.repaint();
    }
}

// Why an answer that arrived gives no draw: its status, or what was wrong with it.
std::string refusalOf(const HttpResponse& response, const ServiceAnswer& answer) {
    if (response.failed())
        return response.errorText.empty() ? statusPanelText(response) : response.errorText;
    if (answer.tooManyDraws())
        return "mehr als " + std::to_string(kMaxDrawsPerAnswer) +
               " verschiedene Ziehungen für einen Tag";
    return "Status " + std::to_string(response.statusCode) +
           (response.statusText.empty() ? "" : " " + response.statusText);
}

std::string refusingText(const std::string& address, int answers, const std::string& last) {
    return "Der Ziehungsdienst unter " + address + " liefert keine brauchbare Antwort (" +
           std::to_string(answers) + "-mal hintereinander, zuletzt: " + last +
           "). Das Einlesen wurde beendet; die bis jetzt geladenen Ziehungen bleiben gespeichert. "
           "Prüfen Sie die Adresse auf der Seite \"Internet-Optionen\" oder versuchen Sie es "
           "später noch einmal.";
}

std::string noDrawsText(const std::string& address, std::size_t answers) {
    return "Der Ziehungsdienst unter " + address + " hat " + std::to_string(answers) +
           " Anfragen beantwortet, aber keine einzige Ziehung geliefert. Prüfen Sie die Adresse "
           "auf der Seite \"Internet-Optionen\".";
}

std::string unreachableText(const std::string& address, int failures, const std::string& last) {
    return "Der Ziehungsdienst unter " + address + " antwortet nicht (" + std::to_string(failures) +
           "-mal hintereinander, zuletzt: " + last +
           "). Das Einlesen wurde beendet; die bis jetzt "
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
        const DrawFile drawFile = drawFileOf(program);
        DrawFile::Updater file(drawFile);
        // The new draws go after the newest stored one, wherever it stands in the file, so
        // they stay in date order. A date the picker refuses leaves it where it stands.
        const DrawSnapshot stored = drawFile.readAll();
        const DrawDates dates = examineDrawDates(stored, program.today());
        if (dates.unusableRecord) {
            result.end = UpdateEnd::NoStart;
            program.ui.showMessage(unusableNewestText(stored, dates, drawFile.path()) +
                                       kUnusableNewestRemedy,
                                   "Ziehungsdaten");
            program.drawDatesReported = true; // the selection afterwards need not say it again
        } else if (dates.newest) {
            drawWindow.endPicker.set(roundToDay(*dates.newest));
        }
        drawWindow.endPicker.set(nextRequestDate(drawWindow.endPicker.value));

        int unreachableInARow = 0;
        int refusedInARow = 0;
        std::size_t answered = 0; // requests the service answered with a usable answer
        while (result.end != UpdateEnd::NoStart && program.today() >= drawWindow.endPicker.value &&
               run.updateStopShown) {
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
            // An error status, a redirect loop, an oversized answer or one with more draws
            // than a day has yields no draw.
            ServiceAnswer answer;
            const bool arrived = !response.failed() && response.statusCode < 400;
            if (arrived) {
                run.responseBuffer = response.body;
                answer = readServiceAnswer(response.body);
            }
            const bool usable = arrived && !answer.tooManyDraws();
            refusedInARow = usable || response.unreachable() ? 0 : refusedInARow + 1;
            if (usable) {
                ++answered;
                appendDraws(program, drawWindow, view, file, date, answer, result);
                if (answer.message) {
                    result.message = fromWindows1252(response.body);
                    result.end = UpdateEnd::Message;
                    program.ui.showMessage(*result.message, "");
                    break;
                }
            }
            if (unreachableInARow >= parameters.unreachableLimit) {
                result.end = UpdateEnd::Unreachable;
                program.ui.showMessage(
                    unreachableText(address, unreachableInARow, refusalOf(response, answer)),
                    "Ziehungsdienst nicht erreichbar");
                break;
            }
            if (refusedInARow >= parameters.unreachableLimit) {
                result.end = UpdateEnd::Refusing;
                program.ui.showMessage(
                    refusingText(address, refusedInARow, refusalOf(response, answer)),
                    "Ziehungsdienst antwortet nicht richtig");
                break;
            }
            drawWindow.endPicker.set(nextRequestDate(date));
            program.ui.processPendingInput();
        }
        if (result.end == UpdateEnd::PassedToday && program.today() >= drawWindow.endPicker.value)
            result.end = UpdateEnd::Stopped;
        // Every date up to today asked and answered, not one draw: no weekend is without
        // a draw, so after more than a week of answers the address is not the service's.
        if (result.end == UpdateEnd::PassedToday && result.added == 0 && answered > 0 &&
            result.requested.back() - result.requested.front() > 7)
            program.ui.showMessage(noDrawsText(address, answered), "Ziehungsdienst");
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
