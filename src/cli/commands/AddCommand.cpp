// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "base/IntegerText.h"
#include "commands/DrawEditing.h"
#include "draws/DrawMaintenance.h"

namespace kav::cli {
namespace {

int parseInRange(const std::string& text, int low, int high, const char* what) {
    const auto value = parseInteger(text);
    if (!value || *value < low || *value > high)
        throw UsageError(std::string("add: ") + what + " " + std::to_string(low) + ".." +
                         std::to_string(high) + " erwartet: " + text);
    return *value;
}

// DATE N1 N2 N3 N4 N5 KEY, as the entry dialog's fields would take them.
DrawRecord drawFromArgs(const std::vector<std::string>& args) {
    if (args.size() != 7)
        throw UsageError("add: DATUM N1 N2 N3 N4 N5 NºCLAVE erwartet");
    const auto date = parseShortDate(args[0]);
    if (!date)
        throw UsageError("add: kein gültiges Datum (dd.mm.yyyy): " + args[0]);
    std::array<int, kNumbersPerDraw> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = parseInRange(args[i + 1], 1, kHighestNumber, "Zahl");
    const int key = parseInRange(args[6], 0, kHighestKey, "Nº Clave");
    const DrawRecord draw = DrawRecord::make(static_cast<double>(*date), numbers, key);
    // The entry dialog cannot be answered OK with a number twice.
    if (const std::optional<int> repeated = repeatedNumber(draw))
        throw UsageError("add: " + repeatedNumberText(*repeated));
    return draw;
}

} // namespace

int runAdd(CliContext& ctx, const CommandLine& line) {
    ctx.ui.drawAnswer = drawFromArgs(line.arguments());
    enterDraw(ctx.ws.program, ctx.ws.ticket, ctx.ws.drawWindow, ctx.ws.run, ctx.ws.view);
    printDrawFile(ctx);
    return kExitOk;
}

} // namespace kav::cli
