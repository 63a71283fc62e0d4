// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliApp.h"
#include "CliContext.h"

#include <span>
#include <string>
#include <vector>

namespace kav::cli {

using CommandArgs = std::vector<std::string>;

struct CliCommand {
    const char* name;
    const char* usage;       // arguments after the name, for --help
    const char* description; // one line for --help
    bool needsDrawFile;      // the start-up selects the current draw first
    int (*run)(CliContext& ctx, const CommandArgs& args);
};

std::span<const CliCommand> cliCommands();

// One function per command, each in its own file under commands/.
int runInit(CliContext& ctx, const CommandArgs& args);
int runDraws(CliContext& ctx, const CommandArgs& args);
int runAdd(CliContext& ctx, const CommandArgs& args);
int runDelete(CliContext& ctx, const CommandArgs& args);
int runNext(CliContext& ctx, const CommandArgs& args);
int runPrevious(CliContext& ctx, const CommandArgs& args);
int runEvaluate(CliContext& ctx, const CommandArgs& args);
int runSaveSheet(CliContext& ctx, const CommandArgs& args);

// Prints the draws of the draw file as it is now ({"draws":[...]} or the readable list).
void printDrawFile(CliContext& ctx);
int runStats(CliContext& ctx, const CommandArgs& args);
int runGenerate(CliContext& ctx, const CommandArgs& args);
int runSearch(CliContext& ctx, const CommandArgs& args);
int runBacktest(CliContext& ctx, const CommandArgs& args);
int runHistory(CliContext& ctx, const CommandArgs& args);
int runUpdate(CliContext& ctx, const CommandArgs& args);
int runImport(CliContext& ctx, const CommandArgs& args);
int runExport(CliContext& ctx, const CommandArgs& args);
int runPrint(CliContext& ctx, const CommandArgs& args);
int runSubmit(CliContext& ctx, const CommandArgs& args);

// Reads "--name VALUE" out of a command's arguments; throws UsageError when it is given
// without a value. Returns nullopt when absent.
std::optional<std::string> takeOption(CommandArgs& args, const std::string& name);
// Throws UsageError unless every argument was consumed.
void requireNoMoreArgs(const CommandArgs& args);

} // namespace kav::cli
