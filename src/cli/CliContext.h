// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliInteraction.h"
#include "app/Workspace.h"

#include <QJsonObject>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace kav::cli {

// Thrown for bad usage or bad input to the tool itself (exit code 2).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a command works with: the Workspace after the tool's start-up, its interaction,
// the output streams and whether the result is printed as JSON.
struct CliContext {
    Workspace& ws;
    CliInteraction& ui;
    std::ostream& out;
    std::ostream& err;
    bool json = false;
    // The program's settings file (whether or not --defaults ignored it); Klickwerk's
    // settings lie beside it.
    std::filesystem::path settingsFile;
    // Standard error is the process's own and a terminal: progress lines are welcome.
    bool errIsTerminal = false;

    // Prints `document` as one JSON document (one line) on standard output.
    void printJson(const QJsonObject& document) const;
};

} // namespace kav::cli
