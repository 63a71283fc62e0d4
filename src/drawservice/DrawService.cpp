// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawService.h"

#include "base/Windows1252.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <stdexcept>

namespace kav::drawservice {
namespace {

std::string parameter(const std::multimap<std::string, std::string>& params,
                      const std::string& name) {
    const auto found = params.find(name);
    return found == params.end() ? std::string{} : found->second;
}

std::string clockTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%H:%M:%S", &local);
    return buffer;
}

} // namespace

DayCount localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dayCountFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

Response answerRequest(const DrawHistory& history, const ServiceOptions& options,
                       const std::string& path,
                       const std::multimap<std::string, std::string>& params) {
    if (path != kDrawServicePath)
        return {404, "Nicht gefunden\r\n", 0};
    const auto date = parseCompactDate(parameter(params, "Datum"));
    if (parameter(params, "Programm") != kDrawServiceProgram || !date)
        return {400,
                "Erwartet: " + std::string(kDrawServicePath) +
                    "?Programm=Kavanto&Datum=yyyymmdd\r\n",
                0};
    if (options.status)
        return {*options.status, "Fehler " + std::to_string(*options.status) + "\r\n", 0};
    if (options.message)
        return {200, toWindows1252("Mitteilung\r\n" + *options.message + "\r\n"), 0};

    const DayCount today = options.today ? options.today() : localToday();
    Response answer;
    for (const DrawRecord& draw : history.drawsOn(*date, today)) {
        const std::string day = formatShortDate(*date);
        answer.body += history.isDemo()
                           ? drawLineText("DEMO " + day, draw, "Demo-Ziehung, kein echtes Ergebnis")
                           : drawLineText(day, draw);
        answer.body += "\r\n";
        ++answer.draws;
    }
    return answer;
}

DrawService::DrawService(DrawHistory history, ServiceOptions options)
    : history_(std::move(history)), options_(std::move(options)),
      server_(std::make_unique<httplib::Server>()) {
    // An update sends its requests back to back on one connection. An idle connection is
    // closed after a second, so that stopping the service never waits long for it.
    server_->set_keep_alive_max_count(10000);
    server_->set_keep_alive_timeout(1);
    // Without this, headers and body in two writes wait for the client's delayed
    // acknowledgement: 40 ms per request.
    server_->set_tcp_nodelay(true);
    server_->Get(kDrawServicePath, [this](const httplib::Request& req, httplib::Response& res) {
        {
            const std::lock_guard lock(mutex_);
            requested_.push_back(parameter(req.params, "Datum"));
        }
        if (options_.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(options_.delayMs));
        const Response answer = answerRequest(history_, options_, req.path, req.params);
        res.status = answer.status;
        res.set_content(answer.body, "text/plain; charset=windows-1252");
    });
    // Every other path: the same answer function says 404.
    server_->set_error_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (res.status == 404 && res.body.empty())
            res.set_content(answerRequest(history_, options_, req.path, req.params).body,
                            "text/plain; charset=windows-1252");
    });
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        // Connections are served on several threads; their lines must not interleave.
        const std::lock_guard lock(logMutex_);
        if (log_)
            log_(clockTime() + " " + req.remote_addr + " " + req.method + " " + req.target + " " +
                 std::to_string(res.status) + " " + std::to_string(res.body.size()) + " Bytes");
    });
}

DrawService::~DrawService() {
    stop();
}

void DrawService::setLog(std::function<void(const std::string&)> log) {
    log_ = std::move(log);
}

int DrawService::bind() {
    if (options_.port == 0)
        port_ = server_->bind_to_any_port(options_.listenAddress);
    else
        port_ = server_->bind_to_port(options_.listenAddress, options_.port) ? options_.port : -1;
    if (port_ <= 0)
        throw std::runtime_error("Kann nicht auf " + options_.listenAddress + " Port " +
                                 std::to_string(options_.port) +
                                 " lauschen (Adresse ungültig oder Port belegt).");
    return port_;
}

void DrawService::run() {
    server_->listen_after_bind();
}

void DrawService::start() {
    bind();
    thread_ = std::thread([this] { run(); });
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void DrawService::stop() {
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string DrawService::url() const {
    const bool ipv6 = options_.listenAddress.find(':') != std::string::npos;
    const std::string host = ipv6 ? "[" + options_.listenAddress + "]" : options_.listenAddress;
    return "http://" + host + ":" + std::to_string(port_);
}

std::vector<std::string> DrawService::requestedDates() const {
    const std::lock_guard lock(mutex_);
    return requested_;
}

} // namespace kav::drawservice
