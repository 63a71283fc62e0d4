// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminationSignals.h"

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kav::platform {
namespace {

// A signal handler may do next to nothing: it writes one byte into a pipe, and the event
// loop, watching the other end, does the work.
std::array<int, 2> signalPipe{-1, -1};

void forwardSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void onTerminationSignal(QObject* context, std::function<void()> quit) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no pipe: the signals keep their default action
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [quit = std::move(quit)] {
        std::array<char, 16> drained{};
        while (::read(signalPipe[0], drained.data(), drained.size()) > 0) {
        }
        quit();
    });
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: the first signal of a kind comes here, a second one acts as by default.
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace kav::platform
