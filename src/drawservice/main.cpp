// SPDX-License-Identifier: GPL-3.0-or-later
// kavanto-drawservice: the draw-data service the program's internet update asks, as a small
// HTTP server over a draw history.
#include "DrawService.h"
#include "base/IntegerText.h"

#include <atomic>
#include <csignal>
#include <iostream>
#include <pthread.h>
#include <stdexcept>

namespace {

using kav::drawservice::DrawHistory;
using kav::drawservice::DrawService;
using kav::drawservice::ServiceOptions;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr const char* kHelp =
    "Aufruf: kavanto-drawservice [--listen ADRESSE] [--port N]\n"
    "                            (--csv DATEI | --draws DATEI | --demo)\n"
    "                            [--message TEXT] [--status CODE] [--delay MS] [--today DATUM]\n"
    "\n"
    "Beantwortet die Anfragen der Internet-Aktualisierung von Kavanto\n"
    "(GET /zahlen/kavanto.asp?Programm=Kavanto&Datum=yyyymmdd) aus einer Ziehungshistorie.\n"
    "Die erste Zeile auf der Standardausgabe ist die Adresse, auf der der Dienst lauscht;\n"
    "jede Anfrage wird mit einer Zeile auf der Standardfehlerausgabe protokolliert.\n"
    "\n"
    "  --listen ADRESSE  Adresse, auf der gelauscht wird (Standard: 127.0.0.1)\n"
    "  --port N          Port (Standard: 8754; 0: ein freier Port)\n"
    "  --csv DATEI       Ziehungen aus einer CSV-Datei (Datum und sechs Zahlen je Zeile)\n"
    "  --draws DATEI     Ziehungen aus einer Ziehungsdatei des Programms (ZahlenKav.dat)\n"
    "  --demo            erfundene Probe-Ziehungen, jeden Sonntag ab 06.02.2005, als DEMO\n"
    "                    gekennzeichnet (bei jedem Start dieselben)\n"
    "  --message TEXT    jede Anfrage mit einer \"Mitteilung\" beantworten\n"
    "  --status CODE     jede Anfrage mit diesem HTTP-Status beantworten (200..599)\n"
    "  --delay MS        jede Antwort so viele Millisekunden verzögern\n"
    "  --today DATUM     dieses Datum (dd.mm.yyyy) gilt als heute\n";

int numberOption(const std::string& option, const std::string& text, int low, int high) {
    const auto value = kav::parseInteger(text);
    if (!value || *value < low || *value > high)
        throw UsageError(option + ": ganze Zahl von " + std::to_string(low) + " bis " +
                         std::to_string(high) + " erwartet: " + text);
    return *value;
}

struct CommandLine {
    ServiceOptions options;
    std::string csv, draws;
    bool demo = false;
    bool help = false;
};

CommandLine parse(int argc, char** argv) {
    CommandLine c;
    int sources = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError(a + " braucht einen Wert");
            return argv[++i];
        };
        if (a == "--listen")
            c.options.listenAddress = value();
        else if (a == "--port")
            c.options.port = numberOption(a, value(), 0, 65535);
        else if (a == "--csv")
            c.csv = value(), ++sources;
        else if (a == "--draws")
            c.draws = value(), ++sources;
        else if (a == "--demo")
            c.demo = true, ++sources;
        else if (a == "--message")
            c.options.message = value();
        else if (a == "--status")
            c.options.status = numberOption(a, value(), 200, 599);
        else if (a == "--delay")
            c.options.delayMs = numberOption(a, value(), 0, 600000);
        else if (a == "--today") {
            const std::string text = value();
            const auto date = kav::parseShortDate(text);
            if (!date)
                throw UsageError("--today: kein gültiges Datum (dd.mm.yyyy): " + text);
            c.options.today = [day = *date] { return day; };
        } else if (a == "--help" || a == "-h")
            c.help = true;
        else
            throw UsageError("unbekannte Option: " + a);
    }
    if (!c.help && sources != 1)
        throw UsageError("genau eine Quelle angeben: --csv DATEI, --draws DATEI oder --demo");
    return c;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine commandLine;
    try {
        commandLine = parse(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "kavanto-drawservice: " << e.what() << " (siehe --help)\n";
        return 2;
    }
    if (commandLine.help) {
        std::cout << kHelp;
        return 0;
    }
    ServiceOptions& options = commandLine.options;
    if (!options.today)
        options.today = kav::drawservice::localToday;

    try {
        const DrawHistory history = commandLine.demo ? DrawHistory::demo()
                                    : !commandLine.csv.empty()
                                        ? DrawHistory::fromCsvFile(commandLine.csv, options.today())
                                        : DrawHistory::fromDrawFile(commandLine.draws);
        const std::string description = history.description(options.today());

        // SIGINT and SIGTERM end the service cleanly: a thread waits for them and stops the
        // server. They are blocked before any other thread starts, so only that one sees them.
        sigset_t stopSignals;
        sigemptyset(&stopSignals);
        sigaddset(&stopSignals, SIGINT);
        sigaddset(&stopSignals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

        DrawService service(history, options);
        service.setLog([](const std::string& line) { std::cerr << line << std::endl; });
        service.bind();
        std::cout << service.url() << std::endl;
        std::cerr << "kavanto-drawservice: " << description << std::endl;

        std::atomic<bool> signalled{false};
        std::thread waiter([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            signalled = true;
            service.stop();
        });
        service.run();
        // run() returned without a signal only when the server failed: wake the waiter.
        if (!signalled)
            pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "kavanto-drawservice: " << e.what() << '\n';
        return 1;
    }
}
