// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTcpServer>
#include <chrono>
#include <httplib.h>
#include <string>
#include <thread>

namespace kav::test {

// A cpp-httplib server on an ephemeral loopback port, listening on its own thread. Routes
// are added to `server` before `start`.
class LocalHttpServer {
public:
    LocalHttpServer() = default;
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;
    ~LocalHttpServer() {
        if (thread.joinable()) {
            server.stop();
            thread.join();
        }
    }

    void start() {
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port); }
    std::string url(const std::string& path) const { return base() + path; }

    httplib::Server server;
    int port = 0;
    std::thread thread;
};

// A loopback port on which nothing listens.
inline int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace kav::test
