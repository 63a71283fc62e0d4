// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliApp.h"
#include "CliContext.h"
#include "CommandLine.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kav::cli {

// An option of one command, "--name VALUE" (or "--name" alone when it takes no value).
struct CommandOption {
    const char* name;
    const char* valueName; // "" for a flag
    const char* description;
};

struct CliCommand {
    const char* name;
    const char* arguments;   // the arguments after the name, for --help ("DATUM N1 ...")
    const char* description; // one line for --help
    std::vector<CommandOption> options;
    bool needsDrawFile; // the start-up selects the current draw first
    int (*run)(CliContext& ctx, const CommandLine& line);
};

std::span<const CliCommand> cliCommands();

// One function per command, each in its own file under commands/.
int runInit(CliContext& ctx, const CommandLine& line);
int runDraws(CliContext& ctx, const CommandLine& line);
int runAdd(CliContext& ctx, const CommandLine& line);
int runDelete(CliContext& ctx, const CommandLine& line);
int runNext(CliContext& ctx, const CommandLine& line);
int runPrevious(CliContext& ctx, const CommandLine& line);
int runEvaluate(CliContext& ctx, const CommandLine& line);
int runSaveSheet(CliContext& ctx, const CommandLine& line);

// Prints the draws of the draw file as it is now ({"draws":[...]} or the readable list).
void printDrawFile(CliContext& ctx);
int runStats(CliContext& ctx, const CommandLine& line);
int runGenerate(CliContext& ctx, const CommandLine& line);
int runSearch(CliContext& ctx, const CommandLine& line);
int runBacktest(CliContext& ctx, const CommandLine& line);
int runHistory(CliContext& ctx, const CommandLine& line);
int runUpdate(CliContext& ctx, const CommandLine& line);
int runImport(CliContext& ctx, const CommandLine& line);
int runExport(CliContext& ctx, const CommandLine& line);
int runPrint(CliContext& ctx, const CommandLine& line);
int runSubmit(CliContext& ctx, const CommandLine& line);

// "generate [--seed N] [--list DATEI]": a command's name, arguments and options for --help.
std::string commandUsage(const CliCommand& command);
// Throws UsageError when the command was given arguments (it takes none).
void requireNoArguments(const CommandLine& line);

} // namespace kav::cli
