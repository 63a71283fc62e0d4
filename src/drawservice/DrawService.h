// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawHistory.h"
#include "draws/DrawServiceProtocol.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace kav::drawservice {

struct ServiceOptions {
    std::string listenAddress = "127.0.0.1"; // loopback unless asked otherwise
    int port = kDefaultDrawServicePort;      // 0: any free port
    std::optional<std::string> message;      // answer every request with this "Mitteilung"
    std::optional<int> status;               // answer every request with this status
    int delayMs = 0;                         // wait this long before each answer
    std::function<DayCount()> today;         // the service's idea of today (default: the
                                             // system's local date)
};

// Today's date by the system's clock, in local time.
DayCount localToday();

// What the service answers to one request.
struct Response {
    int status = 200;
    std::string body; // Windows-1252, CR LF line ends
    int draws = 0;    // draw lines in the body, for the log
};

// The service's answer to a GET of `path` with the query `params`: the draw lines of the
// requested date ("Datum=yyyymmdd"), an empty body for a date without a draw, 404 for
// another path and 400 for a request without a proper "Programm=Kavanto" and date.
Response answerRequest(const DrawHistory& history, const ServiceOptions& options,
                       const std::string& path,
                       const std::multimap<std::string, std::string>& params);

// kavanto-drawservice's server: answers the draw-data service's requests over HTTP, one
// thread per connection (cpp-httplib's pool), and logs one line per request.
class DrawService {
public:
    DrawService(DrawHistory history, ServiceOptions options);
    ~DrawService();
    DrawService(const DrawService&) = delete;
    DrawService& operator=(const DrawService&) = delete;

    // Where each request's log line goes (default: nowhere).
    void setLog(std::function<void(const std::string&)> log);

    // Binds the listening socket; returns the port. Throws runtime_error when it cannot.
    int bind();
    // Serves until stop(); bind() first.
    void run();
    // bind() and run() on a thread of its own (tests, embedded use).
    void start();
    void stop();

    // "http://ADDRESS:PORT" (an IPv6 address in brackets).
    std::string url() const;
    // The "Datum" of every request so far, in order of arrival.
    std::vector<std::string> requestedDates() const;

private:
    DrawHistory history_;
    ServiceOptions options_;
    std::unique_ptr<httplib::Server> server_;
    std::function<void(const std::string&)> log_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requested_;
    std::mutex logMutex_;
};

} // namespace kav::drawservice
