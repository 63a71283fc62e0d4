// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

namespace kav::platform {

// Turns SIGTERM, SIGINT and SIGHUP into a call of `quit` on the event loop of `context`'s
// thread, so a program ended by the session, by `kill` or by Ctrl+C in a terminal closes
// as from its close box (settings saved, no write cut off) instead of dying mid-way. A
// second signal of the same kind ends the program at once, as without this: a program
// that cannot close (a box waiting for an answer) can still be stopped. Install it once.
void onTerminationSignal(QObject* context, std::function<void()> quit);

} // namespace kav::platform
