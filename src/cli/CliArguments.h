// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliCommands.h"
#include "app/LanguageLoad.h"
#include "base/DayCount.h"

#include <QString>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kav::cli {

// The global options, which may stand before or after the command.
struct GlobalOptions {
    QString dataDir;
    QString settingsFile;
    bool defaults = false;
    std::map<std::string, std::string> sets; // a name given twice keeps its last value
    std::optional<std::string> sheetFile;
    std::vector<int> lockedRows; // 0-based
    std::optional<DayCount> end;
    std::optional<DayCount> start;
    std::optional<DayCount> today;
    const Language* language = nullptr; // --language; null: the stored "Sprache"
    bool json = false;
};

// What the command line asks for: the global options, the command with its own part of
// the command line, and whether help was asked for (of the command, when one is named).
struct ParsedArguments {
    GlobalOptions globals;
    const CliCommand* command = nullptr; // null: no command was named
    CommandLine line;
    bool help = false;
};

// Reads the arguments after the program name with QCommandLineParser: first the global
// options up to the command's name, then the whole line with the global options and the
// command's own. Throws UsageError for anything the tool cannot take.
ParsedArguments parseArguments(const std::vector<std::string>& args);

// The help of the tool (the global options and every command), or of one command.
void printHelp(std::ostream& out, const CliCommand* command);

} // namespace kav::cli
